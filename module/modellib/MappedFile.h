#pragma once
// A file's bytes mapped into memory copy-on-write: read as they are touched,
// writable without changing the file (a parser may work in place), and given
// back to the system page by page once used, so that reading a large file
// front to back never holds all of it.

#include <cstddef>
#include <string>
#include <string_view>

class MappedFile {
 public:
  MappedFile() = default;
  ~MappedFile();
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  // False, with errno set, when the file cannot be opened or mapped.
  bool Open(const std::string& path);
  // A writable copy of bytes already in memory, given back the same way.
  bool Copy(std::string_view bytes);

  char* Data() const { return data_; }
  std::size_t Size() const { return size_; }
  // Gives back the whole pages before `end`; the bytes there are not used again.
  void Release(std::size_t end);

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t released_ = 0;
};
