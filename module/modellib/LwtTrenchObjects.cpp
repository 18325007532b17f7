#include "LwtTrenchPath.h"

const LwtTrenchEdge* LwtTrenchPath::getEdge(int index) const {
  if (index < 0 || index >= numEdges()) return nullptr;
  return edges_[static_cast<std::size_t>(index)];
}
