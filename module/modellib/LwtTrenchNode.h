#pragma once
// A node of the trench topology, where trench edges meet.

#include "LwtWSTrenchPersistent.h"

class LwtTrenchConnectionPoint;

class LwtTrenchNode : public LwtWSTrenchPersistent {
 public:
  // Null for a node without a position.
  const LwtTrenchConnectionPoint* getTrenchConnectionPoint() const { return connectionPoint_; }

 private:
  friend class WsModelStore;
  explicit LwtTrenchNode(int persistentId) : LwtWSTrenchPersistent(kClassTrenchNode, persistentId) {}

  const LwtTrenchConnectionPoint* connectionPoint_ = nullptr;
};
