#include "LwdDeviceSet.h"

#include "WsModelStore.h"

LwdDeviceSet::LwdDeviceSet(std::shared_ptr<const WsModelStore> store)
    : store_(std::move(store)), entries_(&store_->Devices()) {}

LwdDeviceSet::~LwdDeviceSet() = default;

const LwdDevice* LwdDeviceSet::getDevice(int index) const {
  if (index < 0 || index >= numDevices()) return nullptr;
  return (*entries_)[static_cast<std::size_t>(index)];
}

int LwdDeviceSet::findDevice(const LwdDevice* device) const {
  const std::vector<const LwdDevice*>& devices = *entries_;
  if (slots_.empty() || slots_.size() < 2 * devices.size()) {
    std::size_t size = 64;
    while (size < 2 * devices.size()) size *= 2;
    slots_.assign(size, -1);
    indexed_ = 0;
  }
  for (; indexed_ < devices.size(); ++indexed_) Index(static_cast<int>(indexed_));
  return slots_[Slot(device)];
}

// The slot that holds the device's entry, or the empty slot where it would go.
std::size_t LwdDeviceSet::Slot(const LwdDevice* device) const {
  // The low bits of an address say little; multiplying spreads the others.
  std::uint64_t hash = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(device)) * 0x9E3779B97F4A7C15ull;
  hash ^= hash >> 29;
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = static_cast<std::size_t>(hash) & mask;
  const std::vector<const LwdDevice*>& devices = *entries_;
  while (slots_[slot] >= 0 && devices[static_cast<std::size_t>(slots_[slot])] != device) slot = (slot + 1) & mask;
  return slot;
}

void LwdDeviceSet::Index(int entry) const {
  const std::size_t slot = Slot((*entries_)[static_cast<std::size_t>(entry)]);
  // A device added twice keeps its first entry.
  if (slots_[slot] < 0) slots_[slot] = entry;
}

int LwdDeviceSet::addDevice(const LwdDevice* device) {
  if (entries_ != &devices_) {
    devices_ = *entries_;
    entries_ = &devices_;
  }
  devices_.push_back(device);
  return numDevices() - 1;
}
