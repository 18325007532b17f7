#pragma once
// Where a trench path lies in the plane: the connection points of its nodes
// and the curves of the device segments in its sections.

#include <optional>
#include <utility>
#include <vector>

#include "NearestVertexIndex.h"

class LwcTrSectionDevSegmentLinkSet;
class LwtTrenchNode;
class LwtTrenchPath;

// The position of the node's connection point, if it has one.
std::optional<PlanarPoint> TrenchNodePosition(const LwtTrenchNode* node);

// For each edge with a section: the start node of the first edge, the end
// node, then every vertex of every segment linked to the section.
std::vector<PlanarPoint> TrenchPathVertices(const LwtTrenchPath& path, const LwcTrSectionDevSegmentLinkSet& links);

// Polylines to draw the path: each segment's curve, or the line between the
// nodes of an edge whose section holds no segment. The curves of a section's
// segments that go on from one another make one polyline.
std::vector<std::vector<std::pair<double, double>>> TrenchPathOutline(const LwtTrenchPath& path,
                                                                      const LwcTrSectionDevSegmentLinkSet* links);
