#pragma once
// The temporary file of the SOSI file being written, kept in the host runtime
// where the host's signal handler can reach it, so that a program stopped
// while it writes leaves no temporary file behind.

#include <string>

#include "HostConsole.h"

namespace platform {

// The temporary file now being written (UTF-8 path); empty once it is put
// in place or removed.
SOSI_HOST_API void SetPendingFile(const std::string& path);

// Removes the pending file, if any. Safe in a signal handler.
SOSI_HOST_API void RemovePendingFile() noexcept;

}  // namespace platform
