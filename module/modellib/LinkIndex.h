#pragma once
// Links from one object to an ordered list of others, looked up in constant
// time. All lists live in one flat vector; a hash map gives each key its
// range. Each key is given its list once, which is how model files link.

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

template <typename Key, typename Target>
class LinkIndex {
 public:
  // False (and nothing stored) when `key` already has its list.
  bool Add(const Key* key, std::span<const Target* const> targets) {
    const Range range{static_cast<std::uint32_t>(targets_.size()), static_cast<std::uint32_t>(targets.size())};
    if (!ranges_.emplace(key, range).second) return false;
    targets_.insert(targets_.end(), targets.begin(), targets.end());
    return true;
  }

  int Count(const Key* key) const {
    const auto found = ranges_.find(key);
    return found == ranges_.end() ? 0 : static_cast<int>(found->second.count);
  }

  // Null when the index is out of range.
  const Target* Get(const Key* key, int index) const {
    const auto found = ranges_.find(key);
    if (found == ranges_.end() || index < 0 || static_cast<std::uint32_t>(index) >= found->second.count) {
      return nullptr;
    }
    return targets_[found->second.first + static_cast<std::uint32_t>(index)];
  }

  void Reserve(std::size_t keys) { ranges_.reserve(keys); }

 private:
  struct Range {
    std::uint32_t first;
    std::uint32_t count;
  };
  std::unordered_map<const Key*, Range> ranges_;
  std::vector<const Target*> targets_;
};
