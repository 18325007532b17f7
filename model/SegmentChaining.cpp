#include "SegmentChaining.h"

#include <array>
#include <deque>
#include <set>
#include <unordered_map>

namespace {

using Chain = std::vector<std::size_t>;

// Once no chain can take a remaining segment, none ever can again (segments
// only leave the pool and a chain's end changes only when it grows), so only
// the newest chain can grow, and only from the pool of its end point object.
std::vector<Chain> GrowChains(const std::vector<SegmentEnds>& segments) {
  std::unordered_map<const void*, std::deque<std::size_t>> remainingByStart;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    if (segments[i].start != nullptr) remainingByStart[segments[i].start].push_back(i);
  }
  std::vector<bool> placed(segments.size(), false);
  std::vector<Chain> chains;
  for (std::size_t first = 0; first < segments.size(); ++first) {
    if (placed[first]) continue;
    // The first remaining segment leads its start pool too: every earlier one has been placed.
    if (segments[first].start != nullptr) remainingByStart[segments[first].start].pop_front();
    placed[first] = true;
    Chain chain{first};
    for (;;) {
      const void* end = segments[chain.back()].end;
      if (end == nullptr) break;
      auto pool = remainingByStart.find(end);
      if (pool == remainingByStart.end() || pool->second.empty()) break;
      const std::size_t next = pool->second.front();
      pool->second.pop_front();
      placed[next] = true;
      chain.push_back(next);
    }
    chains.push_back(std::move(chain));
  }
  return chains;
}

// Each chain goes in front of the first joined chain that starts where it ends.
std::vector<Chain> JoinChains(const std::vector<SegmentEnds>& segments, const std::vector<Chain>& chains) {
  std::vector<std::deque<std::size_t>> joined;  // chain numbers, front to back
  std::unordered_map<const void*, std::set<std::size_t>> joinedByStart;
  for (std::size_t c = 0; c < chains.size(); ++c) {
    const void* start = segments[chains[c].front()].start;
    const void* end = segments[chains[c].back()].end;
    auto candidates = end != nullptr ? joinedByStart.find(end) : joinedByStart.end();
    std::size_t target = joined.size();
    if (candidates != joinedByStart.end() && !candidates->second.empty()) {
      target = *candidates->second.begin();
      candidates->second.erase(candidates->second.begin());
      joined[target].push_front(c);
    } else {
      joined.push_back({c});
    }
    if (start != nullptr) joinedByStart[start].insert(target);
  }
  std::vector<Chain> result;
  result.reserve(joined.size());
  for (const auto& parts : joined) {
    Chain chain;
    for (std::size_t c : parts) chain.insert(chain.end(), chains[c].begin(), chains[c].end());
    result.push_back(std::move(chain));
  }
  return result;
}

// A section mostly has a few segments: for them the same rules are followed
// by looking through all of them each time, which costs less than the
// indexes above and allocates nothing but the result.
constexpr std::size_t kFew = 16;

std::vector<Chain> ChainFew(const std::vector<SegmentEnds>& segments) {
  constexpr std::size_t kNone = kFew;
  const std::size_t count = segments.size();
  // Grown chains one after the other in `order`, chain c from begin[c].
  std::array<bool, kFew> placed{};
  std::array<std::size_t, kFew> order{};
  std::array<std::size_t, kFew + 1> begin{};
  std::size_t chains = 0;
  std::size_t ordered = 0;
  for (std::size_t first = 0; first < count; ++first) {
    if (placed[first]) continue;
    begin[chains++] = ordered;
    for (std::size_t next = first; next != kNone;) {
      placed[next] = true;
      order[ordered++] = next;
      const void* end = segments[next].end;
      next = kNone;
      for (std::size_t i = 0; end != nullptr && i < count; ++i) {
        if (!placed[i] && segments[i].start == end) {
          next = i;
          break;
        }
      }
    }
  }
  begin[chains] = ordered;

  // Joined chains: each group is linked from its front chain through `after`.
  std::array<std::size_t, kFew> front{};
  std::array<const void*, kFew> groupStart{};  // null: nothing joins in front
  std::array<std::size_t, kFew> after{};
  std::size_t groups = 0;
  for (std::size_t c = 0; c < chains; ++c) {
    const void* end = segments[order[begin[c + 1] - 1]].end;
    std::size_t target = groups;
    for (std::size_t g = 0; end != nullptr && g < groups; ++g) {
      if (groupStart[g] == end) {
        target = g;
        break;
      }
    }
    after[c] = target == groups ? kNone : front[target];
    if (target == groups) ++groups;
    front[target] = c;
    groupStart[target] = segments[order[begin[c]]].start;
  }

  std::vector<Chain> result(groups);
  for (std::size_t g = 0; g < groups; ++g) {
    for (std::size_t c = front[g]; c != kNone; c = after[c]) {
      result[g].insert(result[g].end(), order.begin() + static_cast<std::ptrdiff_t>(begin[c]),
                       order.begin() + static_cast<std::ptrdiff_t>(begin[c + 1]));
    }
  }
  return result;
}

}  // namespace

std::vector<std::vector<std::size_t>> ChainSegments(const std::vector<SegmentEnds>& segments) {
  if (segments.size() <= kFew) return ChainFew(segments);
  return JoinChains(segments, GrowChains(segments));
}
