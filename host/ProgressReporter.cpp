#include "ProgressReporter.h"

#include <cstdio>

#include "HostConsole.h"
#include "WideText.h"

ProgressReporter::ProgressReporter(bool enabled) : enabled_(enabled), start_(std::chrono::steady_clock::now()) {
  if (!enabled_) return;
  platform::SetCommandLineSink([this](const std::wstring& text) {
    const std::string bytes = platform::ToUtf8(text);
    if (shown_) std::fputs("\r\033[K", stderr);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
    std::wstring step = text;
    while (!step.empty() && (step.front() == L'\n' || step.front() == L' ')) step.erase(step.begin());
    if (const auto newline = step.find(L'\n'); newline != std::wstring::npos) step.resize(newline);
    if (!step.empty()) Show(step);
  });
}

ProgressReporter::~ProgressReporter() { Finish(); }

void ProgressReporter::Show(const std::wstring& step) {
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  std::string shortStep = platform::ToUtf8(step.substr(0, 60));
  std::fprintf(stderr, "\r\033[K[%.1f s] %s", seconds, shortStep.c_str());
  std::fflush(stderr);
  shown_ = true;
}

void ProgressReporter::Finish() {
  if (!enabled_) return;
  platform::SetCommandLineSink({});
  if (shown_) std::fputs("\r\033[K", stderr);
  enabled_ = false;
}
