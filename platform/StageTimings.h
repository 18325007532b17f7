#pragma once
// Opt-in wall-clock times of the steps of a long run, for measuring it on
// real models: Begin(name) ends the step before and starts the next; a name
// met again adds to its total. On destruction one line per step,
// "timing: <name> <seconds> s", goes to the output, in first-met order.
// A disabled instance costs nothing and prints nothing.

#include <chrono>
#include <cstdio>
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

  void Begin(const char* stage);

 private:
  using Clock = std::chrono::steady_clock;

  void EndCurrent();

  bool enabled_;
  std::FILE* out_;
  std::vector<std::pair<std::string, double>> seconds_;
  std::size_t current_ = 0;
  bool running_ = false;
  Clock::time_point start_;
};

}  // namespace platform
