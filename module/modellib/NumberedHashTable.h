#pragma once
// An open hash table of entry numbers (0, 1, 2, ... in the order added) with
// the low half of each entry's hash, at most half full. The entries live
// with its owner, which says when two are equal. Entries whose hashes differ
// are passed over without reading them, and growing reads no entry.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

class NumberedHashTable {
 public:
  // The number of the entry that `equals(number)` accepts among those of
  // hash `hash`, or, when there is none, `Size()`, which is then taken by
  // the entry the caller adds.
  template <typename Equals>
  std::uint32_t FindOrAdd(std::uint32_t hash, Equals equals) {
    if (2 * (size_ + 1) > slots_.size()) Grow();
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
      Slot& at = slots_[slot];
      if (at.entry == 0) {
        at = {++size_, hash};
        return size_ - 1;
      }
      if (at.hash == hash && equals(at.entry - 1)) return at.entry - 1;
    }
  }

  std::uint32_t Size() const { return size_; }

 private:
  struct Slot {
    std::uint32_t entry;  // number + 1; 0 for an empty slot
    std::uint32_t hash;
  };

  void Grow() {
    const std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 64 : 2 * old.size(), Slot{0, 0});
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& moved : old) {
      if (moved.entry == 0) continue;
      std::size_t slot = moved.hash & mask;
      while (slots_[slot].entry != 0) slot = (slot + 1) & mask;
      slots_[slot] = moved;
    }
  }

  std::vector<Slot> slots_;
  std::uint32_t size_ = 0;
};
