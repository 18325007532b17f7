#include "XMLRead_IDTable.h"

namespace {

// Ids in runs of this many share neighbouring slots.
constexpr int kRunBits = 3;

}  // namespace

void XMLRead_IDTable::clearTable() {
  entries_ = {};
  slots_ = {};
}

bool XMLRead_IDTable::addId(int id, Kind kind, void* object, std::size_t offset) {
  if (id <= 0) return false;
  if (2 * (entries_.size() + 1) > slots_.size()) Grow();
  Slot& slot = slots_[Find(id)];
  if (slot.id != 0) return false;
  slot = {id, static_cast<std::uint32_t>(entries_.size())};
  entries_.push_back({kind, object, offset});
  return true;
}

const XMLRead_IDTable::Entry* XMLRead_IDTable::findId(int id) const {
  if (id <= 0 || slots_.empty()) return nullptr;
  const Slot& slot = slots_[Find(id)];
  return slot.id == 0 ? nullptr : &entries_[slot.entry];
}

std::size_t XMLRead_IDTable::Find(int id) const {
  // A file numbers its objects mostly one after the other. Ids that differ
  // only in their low bits get neighbouring slots, so that reading a run of
  // them touches one stretch of the table; the runs themselves are spread by
  // multiplying (Fibonacci hashing).
  const auto bits = static_cast<std::uint32_t>(id);
  const std::uint64_t run = (static_cast<std::uint64_t>(bits >> kRunBits) * 0x9E3779B97F4A7C15ull) >> shift_;
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = ((static_cast<std::size_t>(run) << kRunBits) | (bits & ((1u << kRunBits) - 1))) & mask;
  while (slots_[slot].id != 0 && slots_[slot].id != id) slot = (slot + 1) & mask;
  return slot;
}

void XMLRead_IDTable::Grow() {
  const std::vector<Slot> old = std::move(slots_);
  const std::size_t size = old.empty() ? 1024 : 2 * old.size();
  slots_.assign(size, Slot{0, 0});
  int bits = 0;
  while ((std::size_t{1} << bits) < size) ++bits;
  shift_ = 64 - (bits - kRunBits);
  for (const Slot& slot : old) {
    if (slot.id != 0) slots_[Find(slot.id)] = slot;
  }
}
