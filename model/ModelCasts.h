#pragma once
// Devices and topology objects are told apart by their class ids; these give
// the object as its class, or null when it is of another class.

#include "LwdDevicePointObject.h"
#include "LwdPipe.h"
#include "LwtTrenchPath.h"
#include "WSTypes.h"

// A device of any of the seven point-object classes.
inline const LwdDevicePointObject* AsPointObject(const LwdDevice* device) {
  return device != nullptr && IsPointObjectClass(device->getClassId())
             ? dynamic_cast<const LwdDevicePointObject*>(device)
             : nullptr;
}

// A device of the six point-object classes offered for type mapping.
inline const LwdDevicePointObject* AsMappedPointObject(const LwdDevice* device) {
  return device != nullptr && IsMappedPointObjectClass(device->getClassId())
             ? dynamic_cast<const LwdDevicePointObject*>(device)
             : nullptr;
}

inline const LwdPipe* AsPipe(const LwdDevice* device) {
  return device != nullptr && device->getClassId() == kClassPipe ? dynamic_cast<const LwdPipe*>(device) : nullptr;
}

inline const LwtTrenchPath* AsTrenchPath(const LwtWSTrenchPersistent* object) {
  return object != nullptr && object->getClassId() == kClassTrenchPath ? dynamic_cast<const LwtTrenchPath*>(object)
                                                                       : nullptr;
}
