#pragma once
// Pairs the groups FYBA read with the model objects they stand for, and says
// where a group's coordinates differ from its object's vertices.

#include <string>
#include <utility>
#include <vector>

#include "FybaReader.h"
#include "NetworkExport.h"

using GroupPairs = std::vector<std::pair<const SosiGroup*, const ExpectedObject*>>;

// The groups in file order beside the objects in the model's order, which
// the writer keeps; as many pairs as the shorter side has.
GroupPairs PairInOrder(const std::vector<const SosiGroup*>& groups, const std::vector<ExpectedObject>& objects);

// Empty when the group holds the object's vertices in order, each within
// `tolerance` metres in north, east and height. Heights are expected when
// every vertex has one, and none otherwise.
std::string CoordinateDifferences(const SosiGroup& group, const ExpectedObject& object, double tolerance);
