#include "LwdDeviceSegment.h"
#include "LwdPipe.h"
#include "LwdWSDeviceBase.h"

void* LwdWSDeviceBase::operator new(std::size_t size) { return ::operator new(size); }

void LwdWSDeviceBase::operator delete(void* memory) noexcept { ::operator delete(memory); }

LwdDeviceSegment::LwdDeviceSegment(int persistentId, const LwdPipe* pipe, WSCurve curve)
    : LwdDevice(kClassDeviceSegment, persistentId, &pipe->getName(), &pipe->getType(), &pipe->getMaterial(),
                &pipe->getShortMaterial(), &pipe->getModelInfo()),
      pipe_(pipe),
      curve_(std::move(curve)) {}

const LwdDeviceSegment* LwdPipe::getDeviceSegment(int index) const {
  if (index < 0 || index >= numDeviceSegments()) return nullptr;
  return segments_[static_cast<std::size_t>(index)];
}
