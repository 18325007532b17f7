#pragma once
// Where a trench node lies: the point at which its trench sections meet.

#include "GmiSinglePoint.h"
#include "LwtWSTrenchPersistent.h"

class LwtTrenchConnectionPoint : public LwtWSTrenchBase {
 public:
  WsClassId getClassId() const override { return kClassTrenchConnectionPoint; }
  const GmiSinglePoint* getPoint() const { return &point_; }

 private:
  friend class WsModelStore;
  explicit LwtTrenchConnectionPoint(const GmiPosition& position) : point_(position) {}

  GmiSinglePoint point_;
};
