#pragma once
// Opt-in times of the steps of a long run, for measuring it on real models:
// Step(name) ends the step before and starts the next, and the last step
// ends with the object; a name met again adds to its total. On destruction one line per step,
// "timing: <name> <wall seconds> s, cpu <processor seconds> s, peak <MB> MB",
// goes to the output, in first-met order. The processor time tells a slow
// step from a busy machine; the peak is the process's high-water mark of
// resident memory when the step last ended, so the first step that shows the
// final figure is the one that reached it. A disabled instance costs nothing
// and prints nothing.

#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

namespace platform {

class StageTimings {
 public:
  StageTimings(bool enabled, std::FILE* out);
  // Enabled when the environment variable is set to anything but "" or "0"; prints to standard error.
  static StageTimings FromEnvironment(const char* variable);
  ~StageTimings();
  StageTimings(const StageTimings&) = delete;
  StageTimings& operator=(const StageTimings&) = delete;

  void Step(const char* stage);

 private:
  using Clock = std::chrono::steady_clock;

  void EndCurrent();

  bool enabled_;
  std::FILE* out_;
  struct Stage {
    std::string name;
    double wall = 0.0;
    double cpu = 0.0;
    long peakKilobytes = 0;
  };

  std::vector<Stage> stages_;
  std::size_t current_ = 0;
  bool running_ = false;
  Clock::time_point start_;
  std::clock_t cpuStart_ = 0;
};

}  // namespace platform
