#include "HostConsole.h"

#include <cstdarg>
#include <cstdio>

#include "WideText.h"
#include "WinText.h"

namespace platform {
namespace {

TextSink g_commandLine;
TextSink g_alert;

void WriteStream(FILE* stream, const std::wstring& text) {
  const std::string bytes = ToUtf8(text);
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fflush(stream);
}

}  // namespace

TextSink SetCommandLineSink(TextSink sink) {
  std::swap(g_commandLine, sink);
  return sink;
}

TextSink SetAlertSink(TextSink sink) {
  std::swap(g_alert, sink);
  return sink;
}

HostCapture::HostCapture() {
  previousCommandLine_ = SetCommandLineSink([this](const std::wstring& text) { commandLine_ += text; });
  previousAlert_ = SetAlertSink([this](const std::wstring& text) {
    alerts_ += text;
    ++alertCount_;
  });
}

HostCapture::~HostCapture() {
  SetCommandLineSink(previousCommandLine_);
  SetAlertSink(previousAlert_);
}

}  // namespace platform

int acutPrintf(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  // The host's command line takes lines of any length; 64 K characters is ample.
  const std::wstring text = platform::FormatWideV(65536, format, args);
  va_end(args);
  if (platform::g_commandLine) {
    platform::g_commandLine(text);
  } else {
    platform::WriteStream(stdout, text);
  }
  return static_cast<int>(text.size());
}

int acedAlert(const wchar_t* message) {
  const std::wstring text = message ? message : L"";
  if (platform::g_alert) {
    platform::g_alert(text);
  } else {
    platform::WriteStream(stderr, text + L"\n");
  }
  return 1;
}
