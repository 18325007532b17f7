#include "ScreenUser.h"

#include <algorithm>
#include <thread>

#include "RunProgram.h"

namespace {

constexpr auto kScreenPollInterval = std::chrono::milliseconds(50);
constexpr auto kPressPatience = std::chrono::seconds(1);

// xdotool matches names as extended regular expressions; the titles we look
// for hold no special characters.
std::string ExactTitle(const std::string& title) { return "^" + title + "$"; }

}  // namespace

ScreenUser::ScreenUser(std::string xdotool, std::string display, std::chrono::steady_clock::time_point deadline)
    : xdotool_(std::move(xdotool)), display_(std::move(display)), deadline_(deadline) {}

ProgramResult ScreenUser::Run(const std::vector<std::string>& args) {
  const auto left = std::chrono::ceil<std::chrono::seconds>(deadline_ - std::chrono::steady_clock::now());
  ProgramResult r;
  if (left.count() > 0) r = RunProgram(xdotool_, args, {{"DISPLAY", display_}}, static_cast<int>(left.count()));
  if (left.count() <= 0 || r.timedOut) {
    error_ = "out of time at xdotool " + args.front();
  } else if (r.exitCode != 0) {
    error_ = "xdotool " + args.front() + ": " + r.err;
  }
  return r;
}

std::string ScreenUser::WaitForWindow(const std::string& title) {
  const ProgramResult found = Run({"search", "--sync", "--onlyvisible", "--name", ExactTitle(title)});
  // One id a line; a dialog has one window.
  return found.exitCode == 0 ? found.out.substr(0, found.out.find('\n')) : std::string();
}

bool ScreenUser::Repeat(const std::vector<std::string>& action, const std::function<bool()>& done,
                        const std::string& failure) {
  while (std::chrono::steady_clock::now() < deadline_) {
    if (!Do(action)) return false;
    const auto patience = std::min(deadline_, std::chrono::steady_clock::now() + kPressPatience);
    while (std::chrono::steady_clock::now() < patience) {
      if (done()) return true;
      std::this_thread::sleep_for(kScreenPollInterval);
    }
  }
  error_ = failure;
  return false;
}

bool ScreenUser::Focus(const std::string& window) {
  return Repeat({"windowfocus", window}, [&] {
    const ProgramResult focused = Run({"getwindowfocus", "-f"});
    return focused.exitCode == 0 && focused.out.substr(0, focused.out.find('\n')) == window;
  }, "window " + window + " did not keep the focus until the deadline");
}

bool ScreenUser::Do(const std::vector<std::string>& commands) { return Run(commands).exitCode == 0; }

bool ScreenUser::PressUntilGone(const std::string& title, const std::string& key) {
  // Exit code 1 is xdotool's answer that no such window is shown.
  return Repeat({"key", key}, [&] { return Run({"search", "--onlyvisible", "--name", ExactTitle(title)}).exitCode == 1; },
                "\"" + title + "\" still shown at the deadline");
}
