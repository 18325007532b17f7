#pragma once
// The host's command line and alert box. acutPrintf writes to the host's
// command line (standard output); acedAlert shows a message box in a window
// session and writes to standard error in a batch session. The host program
// installs the window-session alert; tests install sinks to capture both.

#include <functional>
#include <string>

#define SOSI_HOST_API __attribute__((visibility("default")))

SOSI_HOST_API int acutPrintf(const wchar_t* format, ...);
SOSI_HOST_API int acedAlert(const wchar_t* message);

namespace platform {

using TextSink = std::function<void(const std::wstring&)>;

// Replace where command line text and alerts go; an empty sink restores the
// default (standard output, standard error). Each returns the previous sink.
SOSI_HOST_API TextSink SetCommandLineSink(TextSink sink);
SOSI_HOST_API TextSink SetAlertSink(TextSink sink);

// Captures both channels for the lifetime of the object (tests).
class SOSI_HOST_API HostCapture {
 public:
  HostCapture();
  ~HostCapture();
  HostCapture(const HostCapture&) = delete;
  HostCapture& operator=(const HostCapture&) = delete;

  const std::wstring& CommandLine() const { return commandLine_; }
  const std::wstring& Alerts() const { return alerts_; }
  int AlertCount() const { return alertCount_; }

 private:
  std::wstring commandLine_;
  std::wstring alerts_;
  int alertCount_ = 0;
  TextSink previousCommandLine_;
  TextSink previousAlert_;
};

}  // namespace platform
