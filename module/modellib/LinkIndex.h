#pragma once
// Links from one object to an ordered list of others. All lists live in one
// flat vector; each key keeps where its list lies in a LinkRange of its own,
// so that finding it costs no lookup and no memory beside the key. Each key
// is given its list once, which is how model files link.

#include <cstdint>
#include <span>
#include <vector>

struct LinkRange {
  std::uint32_t first = 0;
  std::uint32_t count = 0;
  bool given = false;
};

// `Key` has a LinkRange `links_` that this class may reach.
template <typename Key, typename Target>
class LinkIndex {
 public:
  // False (and nothing stored) when `key` already has its list.
  bool Add(Key* key, std::span<const Target* const> targets) {
    if (key->links_.given) return false;
    key->links_ = {static_cast<std::uint32_t>(targets_.size()), static_cast<std::uint32_t>(targets.size()), true};
    targets_.insert(targets_.end(), targets.begin(), targets.end());
    return true;
  }

  // A null key has no links.
  int Count(const Key* key) const { return key == nullptr ? 0 : static_cast<int>(key->links_.count); }

  // Null when the index is out of range.
  const Target* Get(const Key* key, int index) const {
    if (key == nullptr || index < 0 || static_cast<std::uint32_t>(index) >= key->links_.count) return nullptr;
    return targets_[key->links_.first + static_cast<std::uint32_t>(index)];
  }

 private:
  std::vector<const Target*> targets_;
};
