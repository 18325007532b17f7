#pragma once
// Roots of the device classes. Every device object, and every device set a
// caller creates, is allocated and released through LwdWSDeviceBase's
// operators, so that memory taken by this library is given back by it.

#include <cstddef>
#include <new>

class LwdWSDeviceBase {
 public:
  virtual ~LwdWSDeviceBase() = default;

  static void* operator new(std::size_t size);
  static void operator delete(void* memory) noexcept;

 protected:
  LwdWSDeviceBase() = default;
  LwdWSDeviceBase(const LwdWSDeviceBase&) = default;
  LwdWSDeviceBase& operator=(const LwdWSDeviceBase&) = default;
};

// A device that keeps an id across saves of the model: the `id` of its element.
class LwdWSDevicePersistent : public LwdWSDeviceBase {
 public:
  int getPersistentID() const { return persistentId_; }

 protected:
  explicit LwdWSDevicePersistent(int persistentId) : persistentId_(persistentId) {}

 private:
  int persistentId_;
};
