#pragma once
// Pairs the groups FYBA read with the model objects they stand for, and says
// where a group's coordinates differ from its object's vertices.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "FybaReader.h"
#include "NetworkExport.h"

struct GroupPairing {
  std::vector<std::pair<const SosiGroup*, const ExpectedObject*>> pairs;
  // Groups that stand for no model object, or for one another group took.
  std::vector<std::string> problems;
};

// By the id element where the variant writes one (`idElement` not empty);
// otherwise by the name element and the coordinates within `tolerance`
// metres, since nothing else in the group names its object.
GroupPairing PairGroups(const std::vector<const SosiGroup*>& groups, const std::vector<ExpectedObject>& objects,
                        std::wstring_view idElement, std::wstring_view nameElement, double tolerance);

// Empty when the group holds the object's vertices in order, each within
// `tolerance` metres in north, east and height. Heights are expected when
// every vertex has one, and none otherwise.
std::string CoordinateDifferences(const SosiGroup& group, const ExpectedObject& object, double tolerance);
