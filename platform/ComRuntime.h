#pragma once
// COM initialisation as the module expects it. Nothing here needs COM, so the
// calls do no work; they are counted so that a caller can see one of each
// per export.

#include "HostConsole.h"

using HRESULT = long;
constexpr HRESULT S_OK = 0;

SOSI_HOST_API HRESULT CoInitialize(void* reserved);
SOSI_HOST_API void CoUninitialize();

namespace platform {
SOSI_HOST_API int CoInitializeCount();
SOSI_HOST_API int CoUninitializeCount();
SOSI_HOST_API void ResetComCounts();
}  // namespace platform
