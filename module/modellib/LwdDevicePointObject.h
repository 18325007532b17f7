#pragma once
// A point object: manhole, hydrant, valve, gully, fitting, outlet or pipe
// joint. It may stand at a position and may be the start or end of device
// segments.

#include "GmiSinglePoint.h"
#include "LwdDevice.h"

class LwdDevicePointObject : public LwdDevice {
 public:
  // The point it stands on; null for a point object without a position.
  const GmiSinglePoint* getRelPoint() const { return hasPoint_ ? &point_ : nullptr; }

  // How many device segments start, and end, at this point object.
  int numDeviceSegmentStarts() const { return segmentStarts_; }
  int numDeviceSegmentEnds() const { return segmentEnds_; }

 private:
  friend class WsModelStore;
  LwdDevicePointObject(WsClassId classId, int persistentId, const std::wstring* name, const std::wstring* type,
                       const std::wstring* empty, const LwdModelInfo* model)
      : LwdDevice(classId, persistentId, name, type, empty, empty, model) {}

  GmiSinglePoint point_;
  bool hasPoint_ = false;
  int segmentStarts_ = 0;
  int segmentEnds_ = 0;
  int nodeLinks_ = 0;  // how many trench nodes link it
};
