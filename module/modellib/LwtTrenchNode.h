#pragma once
// A node of the trench topology, where trench edges meet.

#include "LinkIndex.h"
#include "LwtWSTrenchPersistent.h"

class LwdDevicePointObject;
class LwtTrenchConnectionPoint;

class LwtTrenchNode : public LwtWSTrenchPersistent {
 public:
  // Null for a node without a position.
  const LwtTrenchConnectionPoint* getTrenchConnectionPoint() const { return connectionPoint_; }

 private:
  friend class WsModelStore;
  friend class LinkIndex<LwtTrenchNode, LwdDevicePointObject>;
  explicit LwtTrenchNode(int persistentId) : LwtWSTrenchPersistent(kClassTrenchNode, persistentId) {}

  const LwtTrenchConnectionPoint* connectionPoint_ = nullptr;
  LinkRange links_;  // the point objects linked to the node
};
