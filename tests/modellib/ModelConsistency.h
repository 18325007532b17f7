#pragma once
// The rules every mapped model keeps: pipes and their segments point at each
// other, a segment has two vertices or more, a point object counts the
// segments that start and end at it, edges know their path and sections their
// edge, and every link reaches a device of the set.

#include <string>

#include "LmWSModel.h"

// The first rule the sets break, empty when none.
std::string ModelInconsistency(const LmWSModelSets& model);
