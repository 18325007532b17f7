#pragma once
// A pipe: a named device with type, materials, an optional dimension and the
// device segments it is made of, in file order.

#include <vector>

#include "LwdDevice.h"

class LwdDeviceSegment;

class LwdPipe : public LwdDevice {
 public:
  // Inner dimension in millimetres; 0 when the model gives none.
  int getDimension() const { return dimension_; }
  bool hasDimension() const { return hasDimension_; }

  int numDeviceSegments() const { return static_cast<int>(segments_.size()); }
  // Null when the index is out of range.
  const LwdDeviceSegment* getDeviceSegment(int index) const;

 private:
  friend class WsModelStore;
  LwdPipe(int persistentId, const std::wstring* name, const std::wstring* type, const std::wstring* material,
          const std::wstring* shortMaterial, const LwdModelInfo* model)
      : LwdDevice(kClassPipe, persistentId, name, type, material, shortMaterial, model) {}

  std::vector<const LwdDeviceSegment*> segments_;
  int dimension_ = 0;
  bool hasDimension_ = false;
};
