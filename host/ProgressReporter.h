#pragma once
// On a terminal, shows on standard error how long the export has been
// running and its latest step, so a long run does not look hung. The step
// texts are the module's command line messages, which still go to standard
// output as they are.

#include <chrono>
#include <string>

class ProgressReporter {
 public:
  explicit ProgressReporter(bool enabled);
  ~ProgressReporter();
  ProgressReporter(const ProgressReporter&) = delete;
  ProgressReporter& operator=(const ProgressReporter&) = delete;
  void Finish();

 private:
  void Show(const std::wstring& step);

  bool enabled_;
  bool shown_ = false;
  std::chrono::steady_clock::time_point start_;
};
