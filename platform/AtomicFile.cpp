#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace platform {

AtomicFile::~AtomicFile() { Discard(); }

bool AtomicFile::Fail(int error) {
  if (error_ == 0) error_ = error;
  return false;
}

bool AtomicFile::Open(const std::string& target) {
  Discard();
  target_ = target;
  error_ = 0;
  if (target.empty()) return Fail(ENOENT);
  // A folder would only refuse the rename at the very end. A read-only file
  // is protected, as on Windows: it is not replaced even though its folder
  // would allow the rename.
  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) return Fail(EISDIR);
  if (exists && S_ISREG(existing.st_mode) && (existing.st_mode & S_IWUSR) == 0) return Fail(EACCES);
  std::string pattern = target + ".tmpXXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return Fail(errno);
  temporary_ = name.data();
  // Keep the target's permissions when it exists; otherwise the usual 0666 & ~umask.
  if (exists) {
    ::fchmod(fd, existing.st_mode & 07777);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
  }
  file_ = ::fdopen(fd, "wb");
  if (file_ == nullptr) {
    Fail(errno);
    ::close(fd);
    Discard();
    return false;
  }
  return true;
}

bool AtomicFile::Write(std::string_view bytes) {
  if (file_ == nullptr || error_ != 0) return false;
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) return Fail(errno);
  return true;
}

bool AtomicFile::Commit() {
  if (file_ == nullptr) return false;
  if (error_ == 0 && std::fflush(file_) != 0) Fail(errno);
  if (error_ == 0 && ::fsync(::fileno(file_)) != 0) Fail(errno);
  if (std::fclose(file_) != 0) Fail(errno);
  file_ = nullptr;
  if (error_ == 0 && ::rename(temporary_.c_str(), target_.c_str()) != 0) Fail(errno);
  if (error_ == 0) temporary_.clear();
  Discard();
  return error_ == 0;
}

void AtomicFile::Discard() {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!temporary_.empty()) {
    ::unlink(temporary_.c_str());
    temporary_.clear();
  }
}

}  // namespace platform
