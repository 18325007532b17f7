#pragma once
// The stretch of trench that one trench edge covers; device segments lie in it
// (see LwcTrSectionDevSegmentLinkSet).

#include "LinkIndex.h"
#include "LwtWSTrenchPersistent.h"

class LwdDeviceSegment;
class LwtTrenchEdge;

class LwtTrenchSection : public LwtWSTrenchPersistent {
 public:
  // The edge that carries this section.
  const LwtTrenchEdge* getTrenchEdge() const { return edge_; }

 private:
  friend class WsModelStore;
  friend class LinkIndex<LwtTrenchSection, LwdDeviceSegment>;
  explicit LwtTrenchSection(int persistentId) : LwtWSTrenchPersistent(kClassTrenchSection, persistentId) {}

  const LwtTrenchEdge* edge_ = nullptr;
  LinkRange links_;  // the device segments that lie in the section
};
