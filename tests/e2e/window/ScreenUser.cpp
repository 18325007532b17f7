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

ScreenUser::ScreenUser(std::string xdotool, std::string display, Deadline deadline)
    : xdotool_(std::move(xdotool)), display_(std::move(display)), deadline_(deadline) {}

ScreenUser::Outcome ScreenUser::Run(const std::vector<std::string>& args) {
  const auto left = std::chrono::ceil<std::chrono::seconds>(deadline_ - std::chrono::steady_clock::now());
  if (left.count() <= 0) return {false, false, {}, "out of time before xdotool " + args.front()};
  const ProgramResult r = RunProgram(xdotool_, args, {{"DISPLAY", display_}}, static_cast<int>(left.count()));
  if (r.timedOut) return {false, false, r.out, "xdotool " + args.front() + " ran out of time"};
  return {r.exitCode == 0, r.exitCode == 1, r.out, "xdotool " + args.front() + ": " + r.err};
}

bool ScreenUser::Succeeded(const Outcome& outcome) {
  if (!outcome.ok) error_ = outcome.problem;
  return outcome.ok;
}

std::string ScreenUser::WaitForWindow(const std::string& title) {
  const Outcome found = Run({"search", "--sync", "--onlyvisible", "--name", ExactTitle(title)});
  if (!Succeeded(found)) return {};
  // One id a line; a dialog has one window.
  return found.out.substr(0, found.out.find('\n'));
}

bool ScreenUser::IsShown(const std::string& title) {
  // A search that could not run says nothing about the window.
  return !Run({"search", "--onlyvisible", "--name", ExactTitle(title)}).saidNo;
}

bool ScreenUser::Do(const std::vector<std::string>& commands) { return Succeeded(Run(commands)); }

bool ScreenUser::PressUntilGone(const std::string& title, const std::string& key) {
  while (std::chrono::steady_clock::now() < deadline_) {
    if (!Do({"key", key})) return false;
    const auto patience = std::min(deadline_, std::chrono::steady_clock::now() + kPressPatience);
    while (std::chrono::steady_clock::now() < patience) {
      if (!IsShown(title)) return true;
      std::this_thread::sleep_for(kScreenPollInterval);
    }
  }
  error_ = "\"" + title + "\" still shown at the deadline";
  return false;
}
