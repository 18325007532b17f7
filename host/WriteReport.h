#pragma once
// What the writer reported about the SOSI file of a run, for the exit code:
// a run that reached the writer but put no file in place ends with 3 and a
// line that gives the operating system's reason and the path.

#include <optional>
#include <string>

#include "WriteOutcome.h"

class WriteReport {
 public:
  WriteReport();
  ~WriteReport();
  WriteReport(const WriteReport&) = delete;
  WriteReport& operator=(const WriteReport&) = delete;

  // The host's line for a file that was not written; nothing when it was.
  std::optional<std::string> Failure() const;

 private:
  std::optional<platform::WriteOutcome> last_;
};
