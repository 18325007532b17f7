#include "GroupPairing.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <unordered_map>

#include "WideText.h"

namespace {

std::string Describe(const SosiGroup& group) {
  return platform::ToUtf8(group.name) + " " + std::to_string(group.serial);
}

std::optional<int> IdOf(const SosiGroup& group, std::wstring_view idElement) {
  const std::string text = platform::ToUtf8(group.Value(idElement).value_or(L""));
  int id = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return id;
}

GroupPairing PairById(const std::vector<const SosiGroup*>& groups, const std::vector<ExpectedObject>& objects,
                      std::wstring_view idElement) {
  GroupPairing pairing;
  std::unordered_map<int, const ExpectedObject*> byId;
  for (const ExpectedObject& object : objects) byId.emplace(object.id, &object);
  for (const SosiGroup* group : groups) {
    const std::optional<int> id = IdOf(*group, idElement);
    const auto it = id ? byId.find(*id) : byId.end();
    if (it == byId.end() || it->second == nullptr) {
      pairing.problems.push_back(Describe(*group) + ": no model object, or one already taken, has its id");
      continue;
    }
    pairing.pairs.emplace_back(group, it->second);
    it->second = nullptr;
  }
  return pairing;
}

// Candidates are found by the north of the first vertex, within the tolerance.
GroupPairing PairByPlace(const std::vector<const SosiGroup*>& groups, const std::vector<ExpectedObject>& objects,
                         std::wstring_view nameElement, double tolerance) {
  GroupPairing pairing;
  std::vector<const ExpectedObject*> free;
  for (const ExpectedObject& object : objects) free.push_back(&object);
  const auto north = [](const ExpectedObject* object) { return object->vertices.front().y; };
  std::sort(free.begin(), free.end(), [&](auto* a, auto* b) { return north(a) < north(b); });
  for (const SosiGroup* group : groups) {
    const std::wstring name = group->Value(nameElement).value_or(L"");
    const double first = group->coordinates.empty() ? 0.0 : group->coordinates.front().north;
    auto it = std::lower_bound(free.begin(), free.end(), first - tolerance,
                               [&](const ExpectedObject* object, double value) { return north(object) < value; });
    for (; it != free.end() && north(*it) <= first + tolerance; ++it) {
      if ((*it)->name == name && CoordinateDifferences(*group, **it, tolerance).empty()) break;
    }
    if (it == free.end() || north(*it) > first + tolerance) {
      pairing.problems.push_back(Describe(*group) + ": no free model object named \"" + platform::ToUtf8(name) +
                                 "\" with its coordinates");
      continue;
    }
    pairing.pairs.emplace_back(group, *it);
    free.erase(it);
  }
  return pairing;
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

GroupPairing PairGroups(const std::vector<const SosiGroup*>& groups, const std::vector<ExpectedObject>& objects,
                        std::wstring_view idElement, std::wstring_view nameElement, double tolerance) {
  return idElement.empty() ? PairByPlace(groups, objects, nameElement, tolerance)
                           : PairById(groups, objects, idElement);
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
