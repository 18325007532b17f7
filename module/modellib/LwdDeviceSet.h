#pragma once
// An ordered set of devices.
//
// Ownership: a device set made by LmWSMapper is the model's device set. It
// holds every device of the model in file order (each pipe followed by its
// segments) and keeps the model alive: the devices, the trench objects and the
// links live until the last set made by the same mapping is deleted. A device
// set created with `new LwdDeviceSet` (an export set) owns nothing: it refers
// to devices of a model and must not be used after that model's sets are gone.

#include <cstdint>
#include <memory>
#include <vector>

#include "LwdWSDeviceBase.h"

class LwdDevice;
class WsModelStore;

class LwdDeviceSet : public LwdWSDeviceBase {
 public:
  LwdDeviceSet() = default;
  // The model's device set: every device of `store`, which it keeps alive.
  explicit LwdDeviceSet(std::shared_ptr<const WsModelStore> store);
  ~LwdDeviceSet() override;
  LwdDeviceSet(const LwdDeviceSet&) = delete;
  LwdDeviceSet& operator=(const LwdDeviceSet&) = delete;

  int numDevices() const { return static_cast<int>(entries_->size()); }
  // Null when the index is out of range.
  const LwdDevice* getDevice(int index) const;
  // The index of the device's first entry, or -1 when it is not in the set.
  // Amortised constant time: the set keeps a hash index of its entries.
  int findDevice(const LwdDevice* device) const;
  // Appends the device, also when it is already there (callers ask
  // findDevice first); gives its index.
  int addDevice(const LwdDevice* device);

 private:
  std::shared_ptr<const WsModelStore> store_;
  // The entries: the model's set reads the store's list of devices, and
  // takes a copy of its own only when a device is added to it.
  std::vector<const LwdDevice*> devices_;
  const std::vector<const LwdDevice*>* entries_ = &devices_;
  // Index of the entries by device: an open hash table of entry numbers (-1
  // for none), at most half full. Built on the first findDevice and kept up
  // to date from then on, so that a model's set that is only walked never
  // pays for it. A node-based map cost an allocation and two cache misses per
  // device, and most of the time of assembling a city's export set.
  std::size_t Slot(const LwdDevice* device) const;
  void Index(int entry) const;

  mutable std::vector<int> slots_;
  mutable std::size_t indexed_ = 0;
};
