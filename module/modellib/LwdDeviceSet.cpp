#include "LwdDeviceSet.h"

#include "WsModelStore.h"

LwdDeviceSet::LwdDeviceSet(std::shared_ptr<const WsModelStore> store)
    : store_(std::move(store)), devices_(store_->Devices()) {}

LwdDeviceSet::~LwdDeviceSet() = default;

const LwdDevice* LwdDeviceSet::getDevice(int index) const {
  if (index < 0 || index >= numDevices()) return nullptr;
  return devices_[static_cast<std::size_t>(index)];
}

int LwdDeviceSet::findDevice(const LwdDevice* device) const {
  for (; indexed_ < devices_.size(); ++indexed_) {
    index_.emplace(devices_[indexed_], static_cast<int>(indexed_));
  }
  const auto found = index_.find(device);
  return found == index_.end() ? -1 : found->second;
}

int LwdDeviceSet::addDevice(const LwdDevice* device) {
  devices_.push_back(device);
  return numDevices() - 1;
}
