#include "ComRuntime.h"

#include <atomic>

namespace {
std::atomic<int> g_initialize{0};
std::atomic<int> g_uninitialize{0};
}  // namespace

HRESULT CoInitialize(void*) {
  ++g_initialize;
  return S_OK;
}

void CoUninitialize() { ++g_uninitialize; }

namespace platform {
int CoInitializeCount() { return g_initialize; }
int CoUninitializeCount() { return g_uninitialize; }
void ResetComCounts() {
  g_initialize = 0;
  g_uninitialize = 0;
}
}  // namespace platform
