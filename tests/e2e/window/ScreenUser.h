#pragma once
// Works the windows on an X display as a user would, through xdotool: keys
// and clicks go through the X server (XTEST) like those of a real keyboard
// and mouse. Every step ends at the deadline, whatever the program does.

#include <chrono>
#include <functional>
#include <string>
#include <vector>

struct ProgramResult;

class ScreenUser {
 public:
  ScreenUser(std::string xdotool, std::string display, std::chrono::steady_clock::time_point deadline);

  // Waits until a window with exactly this title is shown; its id, or empty.
  std::string WaitForWindow(const std::string& title);
  // Gives the window the keyboard focus and waits until it has it. Without a
  // window manager nothing keeps the focus where it was put, and under a slow
  // run it once never arrived: it is given again each second until it holds.
  bool Focus(const std::string& window);
  // Runs one xdotool command chain ("windowfocus", id, "key", "Return", ...).
  bool Do(const std::vector<std::string>& commands);
  // Presses `key` until the window is gone: a dialog may take a moment to
  // enable its button, as it does at its next idle moment.
  bool PressUntilGone(const std::string& title, const std::string& key);

  // What xdotool said when a step failed.
  const std::string& Error() const { return error_; }

 private:
  // Runs `action`, then waits up to a second for `done`, and again until the
  // deadline; `failure` becomes the error when it never holds.
  bool Repeat(const std::vector<std::string>& action, const std::function<bool()>& done, const std::string& failure);
  // Sets the error unless xdotool ran and succeeded.
  ProgramResult Run(const std::vector<std::string>& args);

  std::string xdotool_;
  std::string display_;
  std::chrono::steady_clock::time_point deadline_;
  std::string error_;
};
