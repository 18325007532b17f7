#pragma once
// Failures of the file system calls behind AtomicFile, injected by link-time
// wrapping (-Wl,--wrap=<call>, see CMakeLists.txt): the product code is
// linked unchanged and calls the wrappers, which pass every call through
// unless a WriteFault is armed for it.

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

enum class WriteStep { Create, Open, Write, Flush, Sync, Close, Rename };

inline constexpr WriteStep kWriteSteps[] = {WriteStep::Create, WriteStep::Open,  WriteStep::Write, WriteStep::Flush,
                                            WriteStep::Sync,   WriteStep::Close, WriteStep::Rename};

// The wrapped call: mkstemp, fdopen, fwrite, fflush, fsync, fclose, rename.
std::string CallOf(WriteStep step);
inline void PrintTo(WriteStep step, std::ostream* out) { *out << CallOf(step); }

// While alive, counts the calls of `step` (on files other than the standard
// streams) and makes call number `failAt` (0-based) fail the way the file
// system does: fwrite writes half and stops, fclose releases the stream
// before reporting, the others change nothing; errno is set.
class WriteFault {
 public:
  explicit WriteFault(WriteStep step, int failAt = -1);
  ~WriteFault();
  WriteFault(const WriteFault&) = delete;
  WriteFault& operator=(const WriteFault&) = delete;

  int Calls() const;
  bool Fired() const;
};

// Files in `folder` whose name holds ".tmp": what an interrupted write leaves.
std::vector<std::string> TemporaryFiles(const std::filesystem::path& folder);

// How many calls of `step` one `write` makes; fails the calling test when
// it makes none, since then the wrapping is not in effect.
int CountCalls(WriteStep step, const std::function<void()>& write);
