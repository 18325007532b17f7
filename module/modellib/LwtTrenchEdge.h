#pragma once
// One step of a trench path: from a node to a node, through a trench section.

#include "LwtWSTrenchPersistent.h"

class LwtTrenchNode;
class LwtTrenchPath;
class LwtTrenchSection;

class LwtTrenchEdge : public LwtWSTrenchBase {
 public:
  WsClassId getClassId() const override { return kClassTrenchEdge; }

  // Each may be null: an edge without a section, or without a start or end node.
  const LwtTrenchSection* getTrenchSection() const { return section_; }
  const LwtTrenchNode* getStartNode() const { return startNode_; }
  const LwtTrenchNode* getEndNode() const { return endNode_; }
  // The path the edge belongs to; never null.
  const LwtTrenchPath* getTrenchPath() const { return path_; }

 private:
  friend class WsModelStore;
  explicit LwtTrenchEdge(const LwtTrenchPath* path) : path_(path) {}

  const LwtTrenchPath* path_;
  const LwtTrenchSection* section_ = nullptr;
  const LwtTrenchNode* startNode_ = nullptr;
  const LwtTrenchNode* endNode_ = nullptr;
};
