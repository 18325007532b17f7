#include "GroupPairing.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "WideText.h"

namespace {

std::string Describe(const SosiGroup& group) {
  return platform::ToUtf8(group.name) + " " + std::to_string(group.serial);
}

bool Near(double a, double b, double tolerance) { return std::abs(a - b) <= tolerance; }

// Millimetres are enough to see a difference of a centimetre.
std::string Metres(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
  return std::string(buffer, result.ptr);
}

std::string Place(double north, double east, bool hasHeight, double height) {
  return Metres(north) + " " + Metres(east) + (hasHeight ? " " + Metres(height) : "");
}

}  // namespace

GroupPairs PairInOrder(const std::vector<const SosiGroup*>& groups, const std::vector<ExpectedObject>& objects) {
  GroupPairs pairs;
  for (std::size_t i = 0; i < groups.size() && i < objects.size(); ++i) pairs.emplace_back(groups[i], &objects[i]);
  return pairs;
}

std::string CoordinateDifferences(const SosiGroup& group, const ExpectedObject& object, double tolerance) {
  if (group.coordinates.size() != object.vertices.size()) {
    return Describe(group) + ": " + std::to_string(group.coordinates.size()) + " coordinates for " +
           std::to_string(object.vertices.size()) + " vertices of " + std::to_string(object.id);
  }
  const bool heights = std::all_of(object.vertices.begin(), object.vertices.end(), [](auto& v) { return v.hasZ; });
  for (std::size_t i = 0; i < object.vertices.size(); ++i) {
    const WSVertex& vertex = object.vertices[i];
    const SosiCoordinate& read = group.coordinates[i];
    if (!Near(read.north, vertex.y, tolerance) || !Near(read.east, vertex.x, tolerance) ||
        read.hasHeight != heights || (heights && !Near(read.height, vertex.z, tolerance))) {
      return Describe(group) + ": coordinate " + std::to_string(i + 1) + " is " +
             Place(read.north, read.east, read.hasHeight, read.height) + ", vertex of " + std::to_string(object.id) +
             " is " + Place(vertex.y, vertex.x, heights, vertex.z);
    }
  }
  return {};
}
