#pragma once
// Chains the device segments of one trench section into runs of connected
// segments. Segments are seen only through the identity of their start and
// end point objects; the result holds positions into the given list.

#include <cstddef>
#include <vector>

struct SegmentEnds {
  const void* start = nullptr;  // null: the segment has no start point object
  const void* end = nullptr;
};

// Grows chains in the given order (a chain takes the first remaining segment
// that starts where it ends; when none can grow, the first remaining segment
// starts a new one), then joins each chain in front of the first joined chain
// that starts where it ends. Missing point objects never connect.
std::vector<std::vector<std::size_t>> ChainSegments(const std::vector<SegmentEnds>& segments);
