#include "WriteReport.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "WideText.h"

namespace {

std::string Reason(const platform::WriteOutcome& outcome) {
  const std::filesystem::path path(outcome.path);
  const std::string file = platform::ToUtf8(outcome.path);
  const std::string folder = platform::ToUtf8(path.parent_path().wstring());
  std::error_code ec;
  switch (outcome.error) {
    case ENOENT:
    case ENOTDIR:
      return "no such folder: " + folder;
    case EISDIR:
      return file + " is a folder";
    case EACCES:
    case EPERM:
    case EROFS:
      return std::filesystem::exists(path, ec) ? file + " is read-only" : "the folder " + folder + " is read-only";
    case ENOSPC:
    case EDQUOT:
      return "disk full: " + file;
    default:
      return std::string(std::strerror(outcome.error)) + ": " + file;
  }
}

}  // namespace

WriteReport::WriteReport() {
  platform::SetWriteOutcomeSink([this](const platform::WriteOutcome& outcome) { last_ = outcome; });
}

WriteReport::~WriteReport() { platform::SetWriteOutcomeSink({}); }

std::optional<std::string> WriteReport::Failure() const {
  if (!last_ || last_->written) return std::nullopt;
  return "sosi-export: no SOSI file was written: " + Reason(*last_);
}
