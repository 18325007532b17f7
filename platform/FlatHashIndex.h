#pragma once
// An open-addressing hash index over entries the caller keeps in a vector of
// its own: each slot holds an entry number and the entry's hash, so that
// growing needs nothing from the caller and most probes are settled without
// looking at the entry. Probed linearly and kept at most three quarters full:
// the hash in the slot keeps longer probes cheap, and a city's overview files
// make large tables. Node-based maps cost an allocation and a cache miss or
// two per entry, which for a city's files was most of the overview step.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

class FlatHashIndex {
 public:
  static constexpr std::uint32_t kNone = UINT32_MAX;

  // Room for this many entries, made at once.
  void Reserve(std::size_t entries) {
    if (Full(entries)) Resize(entries);
  }

  // The entry with this hash for which `matches(entry)` holds, or kNone.
  template <class Matches>
  std::uint32_t Find(std::uint64_t hash, Matches matches) const {
    if (slots_.empty()) return kNone;
    const std::uint32_t fold = Fold(hash);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = fold & mask;; slot = (slot + 1) & mask) {
      const Slot& at = slots_[slot];
      if (at.entry == kNone) return kNone;
      if (at.hash == fold && matches(at.entry)) return at.entry;
    }
  }

  // Adds an entry that Find did not find.
  void Insert(std::uint64_t hash, std::uint32_t entry) {
    if (Full(size_ + 1)) Resize(size_ + 1);
    Place({Fold(hash), entry});
    ++size_;
  }

  // For entries numbered 0, 1, 2 … in the order added: the entry that
  // `matches` accepts, or, when there is none, the number Size() had, which
  // the entry the caller then adds takes.
  template <class Matches>
  std::uint32_t FindOrAdd(std::uint64_t hash, Matches matches) {
    const std::uint32_t found = Find(hash, matches);
    if (found != kNone) return found;
    const auto entry = static_cast<std::uint32_t>(size_);
    Insert(hash, entry);
    return entry;
  }

  std::size_t Size() const { return size_; }

 private:
  struct Slot {
    std::uint32_t hash;
    std::uint32_t entry;
  };

  bool Full(std::size_t entries) const { return 4 * entries > 3 * slots_.size(); }

  static std::uint32_t Fold(std::uint64_t hash) { return static_cast<std::uint32_t>(hash ^ (hash >> 32)); }

  void Place(Slot slot) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = slot.hash & mask;
    while (slots_[at].entry != kNone) at = (at + 1) & mask;
    slots_[at] = slot;
  }

  // Room for `entries`.
  void Resize(std::size_t entries) {
    std::size_t size = 16;
    while (4 * entries > 3 * size) size *= 2;
    std::vector<Slot> old(size, Slot{0, kNone});
    old.swap(slots_);
    for (const Slot& slot : old) {
      if (slot.entry != kNone) Place(slot);
    }
  }

  std::vector<Slot> slots_;
  std::size_t size_ = 0;
};

// Hashes whose every bit depends on every input bit, as the index needs: it
// takes the slot from the low bits.
namespace flat_hash {

inline std::uint64_t Mix(std::uint64_t value) {
  value ^= value >> 33;
  value *= 0xFF51AFD7ED558CCDull;
  value ^= value >> 33;
  value *= 0xC4CEB9FE1A85EC53ull;
  value ^= value >> 33;
  return value;
}

inline std::uint64_t Of(const void* pointer) { return Mix(reinterpret_cast<std::uintptr_t>(pointer)); }
inline std::uint64_t Of(int number) { return Mix(static_cast<std::uint32_t>(number)); }

inline std::uint64_t OfPair(std::uint64_t first, std::uint64_t second) {
  return Mix(first * 0x9E3779B97F4A7C15ull + second);
}

// Eight bytes at a time.
inline std::uint64_t OfBytes(std::string_view bytes) {
  std::uint64_t hash = bytes.size();
  const char* at = bytes.data();
  std::size_t left = bytes.size();
  for (; left >= 8; left -= 8, at += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, at, sizeof word);
    hash = (hash ^ word) * 0x9E3779B97F4A7C15ull;
    hash ^= hash >> 29;
  }
  if (left > 0) {
    std::uint64_t word = 0;
    std::memcpy(&word, at, left);
    hash = (hash ^ word) * 0x9E3779B97F4A7C15ull;
  }
  return Mix(hash);
}

}  // namespace flat_hash

// Values by key (a pointer or a number), on a FlatHashIndex.
template <typename Key, typename Value>
class FlatMap {
 public:
  void Reserve(std::size_t entries) {
    keys_.reserve(entries);
    values_.reserve(entries);
    index_.Reserve(entries);
  }

  // Null when the key has no value.
  const Value* Find(Key key) const {
    const std::uint32_t number = Number(key, flat_hash::Of(key));
    return number == FlatHashIndex::kNone ? nullptr : &values_[number];
  }
  Value* Find(Key key) { return const_cast<Value*>(std::as_const(*this).Find(key)); }

  // The key's value, which starts as `initial` when the key is new.
  Value& At(Key key, const Value& initial) {
    const std::uint64_t hash = flat_hash::Of(key);
    std::uint32_t number = Number(key, hash);
    if (number == FlatHashIndex::kNone) {
      number = static_cast<std::uint32_t>(keys_.size());
      keys_.push_back(key);
      values_.push_back(initial);
      index_.Insert(hash, number);
    }
    return values_[number];
  }

 private:
  std::uint32_t Number(Key key, std::uint64_t hash) const {
    return index_.Find(hash, [&](std::uint32_t entry) { return keys_[entry] == key; });
  }

  std::vector<Key> keys_;
  std::vector<Value> values_;
  FlatHashIndex index_;
};

// Distinct keys (pointers or numbers) in the order first met, on a
// FlatHashIndex.
template <typename Key>
class FlatSet {
 public:
  // False when the key was in the set already.
  bool Insert(Key key) {
    const std::uint32_t number =
        index_.FindOrAdd(flat_hash::Of(key), [&](std::uint32_t entry) { return keys_[entry] == key; });
    if (number < keys_.size()) return false;
    keys_.push_back(key);
    return true;
  }

  const std::vector<Key>& Keys() const { return keys_; }

 private:
  std::vector<Key> keys_;
  FlatHashIndex index_;
};
