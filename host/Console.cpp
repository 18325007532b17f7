#include "Console.h"

#include <cstdio>
#include <filesystem>

#include "HostConsole.h"
#include "WideText.h"

namespace {

void Write(FILE* stream, const std::string& bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fflush(stream);
}

// The first line of a message that says something, cut to fit a terminal.
std::string StepOf(const std::wstring& text) {
  const auto first = text.find_first_not_of(L"\n ");
  if (first == std::wstring::npos) return {};
  const std::wstring line = text.substr(first, text.find(L'\n', first) - first);
  return platform::ToUtf8(line.substr(0, 60));
}

// The settings could not be stored because the settings folder is missing:
// the folder to create so that the next run keeps them, or nothing.
std::string SettingsFolderRemedy(const std::wstring& alert) {
  static const std::wstring lead = L"Can not save default values to file ";
  if (alert.rfind(lead, 0) != 0) return {};
  // Paths go to the file system as UTF-8 bytes: a wide path would go through
  // the locale, which may not hold the name's letters.
  const std::filesystem::path file(platform::ToUtf8(alert.substr(lead.size(), alert.find(L'\n') - lead.size())));
  std::error_code ec;
  if (std::filesystem::exists(file.parent_path(), ec)) return {};
  return "sosi-export: create the folder " + file.parent_path().string() + " to keep these settings for the next export";
}

}  // namespace

Console::Console(bool quiet, bool progress)
    : quiet_(quiet), progress_(progress && !quiet), start_(std::chrono::steady_clock::now()) {}

Console::~Console() { Finish(); }

void Console::Install(bool alerts) {
  platform::SetCommandLineSink([this](const std::wstring& text) { Message(text); });
  if (alerts) platform::SetAlertSink([this](const std::wstring& text) { Alert(text); });
  if (progress_) ticker_ = std::thread([this] { Tick(); });
}

void Console::Message(const std::wstring& text) {
  if (quiet_ || text.empty()) return;
  std::lock_guard<std::mutex> lock(mutex_);
  ClearProgress();
  std::string bytes = platform::ToUtf8(text);
  // The line end that closed the last line before standard error took over
  // stands for this message's leading one.
  if (endedByUs_ && bytes.front() == '\n') bytes.erase(0, 1);
  Write(stdout, bytes);
  if (!bytes.empty()) lineOpen_ = bytes.back() != '\n';
  endedByUs_ = false;
  if (const std::string step = StepOf(text); !step.empty()) step_ = step;
  DrawProgress();
}

void Console::Alert(const std::wstring& text) {
  const std::string remedy = SettingsFolderRemedy(text);
  Error(platform::ToUtf8(text));
  if (!remedy.empty()) Error(remedy);
}

void Console::Error(const std::string& line) {
  std::lock_guard<std::mutex> lock(mutex_);
  ClearProgress();
  EndMessageLine();
  Write(stderr, line + "\n");
  DrawProgress();
}

void Console::Finish() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (stopping_) return;
    stopping_ = true;
    ClearProgress();
    EndMessageLine();
  }
  wake_.notify_all();
  if (ticker_.joinable()) ticker_.join();
  platform::SetCommandLineSink({});
  platform::SetAlertSink({});
}

void Console::Tick() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!wake_.wait_for(lock, std::chrono::milliseconds(500), [this] { return stopping_; })) {
    ClearProgress();
    DrawProgress();
  }
}

void Console::ClearProgress() {
  if (!progressShown_) return;
  Write(stderr, "\r\033[K");
  progressShown_ = false;
}

void Console::EndMessageLine() {
  if (!lineOpen_) return;
  Write(stdout, "\n");
  lineOpen_ = false;
  endedByUs_ = true;
}

void Console::DrawProgress() {
  if (!progress_ || stopping_) return;
  EndMessageLine();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  char elapsed[32];
  std::snprintf(elapsed, sizeof elapsed, "[%.0f s] ", seconds);
  Write(stderr, elapsed + step_);
  progressShown_ = true;
}
