#include "XMLRead_IDTable.h"

void XMLRead_IDTable::clearTable() {
  records_ = {};
  slots_ = {};
}

bool XMLRead_IDTable::addId(int id, Kind kind, void* object, std::size_t offset) {
  if (2 * (records_.size() + 1) > slots_.size()) {
    slots_.assign(slots_.empty() ? 1024 : 2 * slots_.size(), -1);
    for (std::size_t i = 0; i < records_.size(); ++i) slots_[Slot(records_[i].id)] = static_cast<std::int32_t>(i);
  }
  const std::size_t slot = Slot(id);
  if (slots_[slot] >= 0) return false;
  slots_[slot] = static_cast<std::int32_t>(records_.size());
  records_.push_back({id, {kind, object, offset}});
  return true;
}

const XMLRead_IDTable::Entry* XMLRead_IDTable::findId(int id) const {
  if (slots_.empty()) return nullptr;
  const std::int32_t record = slots_[Slot(id)];
  return record < 0 ? nullptr : &records_[static_cast<std::size_t>(record)].entry;
}

std::size_t XMLRead_IDTable::Slot(int id) const {
  // Ids of a file are mostly consecutive; multiplying spreads them over the table.
  std::uint64_t hash = static_cast<std::uint32_t>(id) * 0x9E3779B97F4A7C15ull;
  hash ^= hash >> 29;
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = static_cast<std::size_t>(hash) & mask;
  while (slots_[slot] >= 0 && records_[static_cast<std::size_t>(slots_[slot])].id != id) slot = (slot + 1) & mask;
  return slot;
}
