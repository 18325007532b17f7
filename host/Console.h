#pragma once
// Where the run's text goes on the host's side. The module's command line
// messages go to standard output in their own form, each begun on a fresh
// line; alerts of a batch session and the host's own lines go to standard
// error, each on a line of its own. On a terminal a progress line (time and
// latest step) sits below the last message, redrawn twice a second by a
// thread of its own, and is cleared when the run ends.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

class Console {
 public:
  // `quiet` drops the module's messages and the progress; `progress` asks for
  // the progress line (only sensible when standard error is a terminal).
  Console(bool quiet, bool progress);
  ~Console();
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  // Takes over the command line, and the alerts when `alerts` is set.
  void Install(bool alerts);
  // One of the host's own lines, on standard error.
  void Error(const std::string& line);
  // Stops the progress, clears its line and ends the last message's line.
  void Finish();

 private:
  void Message(const std::wstring& text);
  void Alert(const std::wstring& text);
  void Tick();
  // Under the lock: make room on standard error below the last message.
  void ClearProgress();
  void EndMessageLine();
  void DrawProgress();

  bool quiet_;
  bool progress_;
  bool lineOpen_ = false;     // the last message has no line end yet
  bool endedByUs_ = false;    // ... and the line end written for it was ours
  bool progressShown_ = false;
  bool stopping_ = false;
  std::string step_;
  std::chrono::steady_clock::time_point start_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::thread ticker_;
};
