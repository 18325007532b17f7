#pragma once
// A program left running in the background, in a process group of its own,
// with its output going to files. Whatever of the group is still running is
// stopped when the object goes, so a failed test leaves nothing behind.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

using Deadline = std::chrono::steady_clock::time_point;

struct ProcessEnd {
  int exitCode = -1;  // -1 when the program did not exit normally
  int signal = 0;     // the signal that ended it, if any
};

class BackgroundProcess {
 public:
  // `env` is added to the test's own environment. `passedFd` stays open in
  // the program under its own number (for an X server's -displayfd).
  BackgroundProcess(const std::string& program, const std::vector<std::string>& args,
                    const std::map<std::string, std::string>& env, const std::filesystem::path& outFile,
                    const std::filesystem::path& errFile, int passedFd = -1);
  ~BackgroundProcess();
  BackgroundProcess(const BackgroundProcess&) = delete;
  BackgroundProcess& operator=(const BackgroundProcess&) = delete;

  bool Started() const { return pid_ > 0; }
  // How the program ended, or nothing when it still runs at the deadline.
  std::optional<ProcessEnd> WaitUntil(Deadline deadline);
  // Asks the group to end, and kills it when it has not within two seconds.
  void Stop();

 private:
  pid_t pid_ = -1;
  std::optional<ProcessEnd> end_;
};

// The full path of a program found on PATH; empty when there is none.
std::string FindProgram(const std::string& name);
