#pragma once
// Failures of the file system calls behind AtomicFile, injected by link-time
// wrapping (-Wl,--wrap=<call>, see CMakeLists.txt): the product code is
// linked unchanged and calls the wrappers, which pass every call through
// unless a WriteFault is armed for it.

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

// The wrapped call, and the errno its injected failure sets.
struct WriteStep {
  const char* call;
  int error;
};
extern const WriteStep kWriteSteps[7];  // mkstemp fdopen fwrite fflush fsync fclose rename
inline void PrintTo(const WriteStep& step, std::ostream* out) { *out << step.call; }

// While alive, counts the calls of `step` (on files other than the standard
// streams) and makes call number `failAt` (0-based) fail the way the file
// system does: fwrite writes half and stops, fclose releases the stream
// before reporting, the others change nothing.
class WriteFault {
 public:
  explicit WriteFault(const WriteStep& step, int failAt = -1);
  ~WriteFault();
  WriteFault(const WriteFault&) = delete;
  WriteFault& operator=(const WriteFault&) = delete;

  int Calls() const;
  bool Fired() const;
};

// Files in `folder` whose name holds ".tmp": what an interrupted write leaves.
std::vector<std::string> TemporaryFiles(const std::filesystem::path& folder);
