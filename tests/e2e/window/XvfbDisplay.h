#pragma once
// An X server of the test's own (Xvfb, no window manager) on the first free
// display number; it is stopped when the object goes.

#include <filesystem>
#include <memory>
#include <string>

#include "BackgroundProcess.h"

class XvfbDisplay {
 public:
  XvfbDisplay(const std::string& xvfb, const std::filesystem::path& logFile);

  // ":<number>" once the server has said it is ready; empty when it failed.
  const std::string& Name() const { return name_; }
  const std::string& Error() const { return error_; }

 private:
  std::unique_ptr<BackgroundProcess> server_;
  std::string name_;
  std::string error_;
};
