#include "MappedFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// An empty file maps no pages; its bytes are an empty buffer of their own.
char gEmpty[1];

}  // namespace

MappedFile::~MappedFile() {
  if (data_ != gEmpty && data_ != nullptr) munmap(data_, size_);
}

bool MappedFile::Open(const std::string& path) {
  const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (file < 0) return false;
  struct stat status {};
  bool mapped = false;
  if (fstat(file, &status) == 0) {
    size_ = static_cast<std::size_t>(status.st_size);
    void* data = size_ == 0 ? gEmpty : mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_PRIVATE, file, 0);
    mapped = data != MAP_FAILED;
    if (mapped) data_ = static_cast<char*>(data);
  }
  const int error = errno;
  close(file);
  errno = error;
  return mapped;
}

bool MappedFile::Copy(std::string_view bytes) {
  size_ = bytes.size();
  void* data =
      size_ == 0 ? gEmpty : mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (data == MAP_FAILED) return false;
  data_ = static_cast<char*>(data);
  if (size_ != 0) std::memcpy(data_, bytes.data(), size_);
  return true;
}

void MappedFile::Release(std::size_t end) {
  static const std::size_t kPage = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  const std::size_t upTo = end / kPage * kPage;
  if (data_ == gEmpty || upTo <= released_) return;
  madvise(data_ + released_, upTo - released_, MADV_DONTNEED);
  released_ = upTo;
}
