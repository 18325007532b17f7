#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace platform {

AtomicFile::~AtomicFile() { Discard(); }

bool AtomicFile::Open(const std::string& target) {
  Discard();
  target_ = target;
  failed_ = false;
  // A read-only file is protected, as on Windows: it is not replaced even
  // though its folder would allow the rename.
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) && (existing.st_mode & S_IWUSR) == 0) {
    errno = EACCES;
    return false;
  }
  std::string pattern = target + ".tmpXXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return false;
  temporary_ = name.data();
  // Keep the target's permissions when it exists; otherwise the usual 0666 & ~umask.
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) {
    ::fchmod(fd, st.st_mode & 07777);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
  }
  file_ = ::fdopen(fd, "wb");
  if (file_ == nullptr) {
    ::close(fd);
    ::unlink(temporary_.c_str());
    temporary_.clear();
    return false;
  }
  return true;
}

bool AtomicFile::Write(std::string_view bytes) {
  if (file_ == nullptr || failed_) return false;
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
  return !failed_;
}

void AtomicFile::StartWriteOut() {
  if (file_ == nullptr || failed_ || std::fflush(file_) != 0) return;
  ::sync_file_range(::fileno(file_), 0, 0, SYNC_FILE_RANGE_WRITE);
}

bool AtomicFile::Commit() {
  if (file_ == nullptr) return false;
  bool ok = !failed_ && std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
  ok = (std::fclose(file_) == 0) && ok;
  file_ = nullptr;
  if (ok) ok = ::rename(temporary_.c_str(), target_.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary_.c_str());
  }
  temporary_.clear();
  return ok;
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
