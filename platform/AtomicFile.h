#pragma once
// Writes a file so that readers see either the old file or the whole new one:
// the bytes go to a temporary file in the same folder, which is flushed,
// synced and renamed over the target. A failure at any step removes the
// temporary file and leaves the target as it was; Error gives the errno of
// the step that failed, taken before any clean-up can change it.

#include <cstdio>
#include <string>
#include <string_view>

namespace platform {

class AtomicFile {
 public:
  AtomicFile() = default;
  ~AtomicFile();  // discards an uncommitted file
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Creates the temporary file beside `target` (UTF-8 path). False, with
  // nothing created, when the target cannot be replaced: it is a folder
  // (EISDIR) or a read-only file (EACCES), or its folder is missing (ENOENT)
  // or cannot be written (EACCES, EROFS).
  bool Open(const std::string& target);
  bool Write(std::string_view bytes);
  // Flushes, syncs, closes and renames over the target.
  bool Commit();
  // Removes the temporary file; the target stays as it was.
  void Discard();

  bool IsOpen() const { return file_ != nullptr; }
  // The errno of the first failure since Open; 0 while there is none.
  int Error() const { return error_; }
  const std::string& Target() const { return target_; }
  const std::string& TemporaryPath() const { return temporary_; }

 private:
  bool Fail(int error);

  FILE* file_ = nullptr;
  std::string target_;
  std::string temporary_;
  int error_ = 0;
};

}  // namespace platform
