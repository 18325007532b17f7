#pragma once
// One stretch of a pipe between two point objects, with its curve. A segment
// answers its pipe's type and materials as its own.

#include "LwdDevice.h"
#include "WSCurve.h"

class LwdDevicePointObject;
class LwdPipe;

class LwdDeviceSegment : public LwdDevice {
 public:
  // Null where the segment names no start (or end) point object.
  const LwdDevicePointObject* getStartDevicePointObject() const { return start_; }
  const LwdDevicePointObject* getEndDevicePointObject() const { return end_; }

  const WSCurve* getWSCurve() const { return &curve_; }

  // The pipe the segment belongs to; never null.
  const LwdPipe* getPipe() const { return pipe_; }

 private:
  friend class WsModelStore;
  LwdDeviceSegment(int persistentId, const LwdPipe* pipe, WSCurve curve);

  const LwdPipe* pipe_;
  const LwdDevicePointObject* start_ = nullptr;
  const LwdDevicePointObject* end_ = nullptr;
  WSCurve curve_;
};
