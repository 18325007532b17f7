#include "WriteReport.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "WideText.h"

namespace {

// A file without any write bit, which the writer never replaces.
bool ReadOnlyFile(const std::filesystem::path& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  return fs::is_regular_file(status) &&
         (status.permissions() & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write)) ==
             fs::perms::none;
}

std::string Reason(const platform::WriteOutcome& outcome) {
  const std::string file = platform::ToUtf8(outcome.path);
  const std::filesystem::path path(file);  // UTF-8 bytes, not through the locale
  const std::string folder = path.parent_path().string();
  switch (outcome.error) {
    case ENOENT:
    case ENOTDIR:
      return "no such folder: " + folder;
    case EISDIR:
      return file + " is a folder";
    case EACCES:
    case EPERM:
    case EROFS:
      return ReadOnlyFile(path) ? file + " is read-only" : "the folder " + folder + " is read-only";
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
