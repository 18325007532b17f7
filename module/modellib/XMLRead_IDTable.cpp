#include "XMLRead_IDTable.h"

void XMLRead_IDTable::clearTable() { ids_ = {}; }

bool XMLRead_IDTable::addId(int id, Kind kind, void* object, std::size_t offset) {
  return ids_.emplace(id, Entry{kind, object, offset}).second;
}

const XMLRead_IDTable::Entry* XMLRead_IDTable::findId(int id) const {
  const auto found = ids_.find(id);
  return found == ids_.end() ? nullptr : &found->second;
}
