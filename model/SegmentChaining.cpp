#include "SegmentChaining.h"

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

}  // namespace

std::vector<std::vector<std::size_t>> ChainSegments(const std::vector<SegmentEnds>& segments) {
  return JoinChains(segments, GrowChains(segments));
}
