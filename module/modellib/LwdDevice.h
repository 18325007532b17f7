#pragma once
// A device of the network model. `Device` elements of the model file become
// plain LwdDevice objects of their class; pipes, segments and point objects
// are subclasses.
//
// Texts are shared: a model keeps one copy of each distinct type, material and
// pipe name (they repeat across thousands of devices), and devices point at
// it. The names of point objects, nearly all distinct, are one per object.

#include <string>

#include "LwdModelInfo.h"
#include "LwdWSDeviceBase.h"
#include "WSTypes.h"

class WsModelStore;

class LwdDevice : public LwdWSDevicePersistent {
 public:
  virtual WsClassId getClassId() const { return classId_; }

  const std::wstring& getName() const { return *name_; }
  const std::wstring& getType() const { return *type_; }
  // Empty for devices that are not pipes or segments.
  const std::wstring& getMaterial() const { return *material_; }
  const std::wstring& getShortMaterial() const { return *shortMaterial_; }
  // The record of the model the device belongs to.
  const LwdModelInfo& getModelInfo() const { return *model_; }

 protected:
  friend class WsModelStore;
  // The texts must outlive the device: they belong to the model's store.
  LwdDevice(WsClassId classId, int persistentId, const std::wstring* name, const std::wstring* type,
            const std::wstring* material, const std::wstring* shortMaterial, const LwdModelInfo* model)
      : LwdWSDevicePersistent(persistentId),
        classId_(classId),
        name_(name),
        type_(type),
        material_(material),
        shortMaterial_(shortMaterial),
        model_(model) {}

 private:
  WsClassId classId_;
  const std::wstring* name_;
  const std::wstring* type_;
  const std::wstring* material_;
  const std::wstring* shortMaterial_;
  const LwdModelInfo* model_;
};
