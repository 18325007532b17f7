#pragma once
// What became of the SOSI file of the last export: the writer reports it to
// the host runtime, beside the command line and the alert box, so that the
// host can tell a written file from one that was never put in place. The
// module's own messages and result stay as they are.

#include <functional>
#include <string>

#include "HostConsole.h"

namespace platform {

struct WriteOutcome {
  std::wstring path;    // the file the writer was asked to write
  bool written = false; // true once the file is complete and in place
  int error = 0;        // errno where the failure happened, 0 when written
};

using WriteOutcomeSink = std::function<void(const WriteOutcome&)>;

// The writer calls this once per MapToSosi that reaches its opening step.
SOSI_HOST_API void ReportWriteOutcome(const WriteOutcome& outcome);

// Where outcomes go; an empty sink drops them. Returns the previous sink.
SOSI_HOST_API WriteOutcomeSink SetWriteOutcomeSink(WriteOutcomeSink sink);

}  // namespace platform
