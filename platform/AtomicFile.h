#pragma once
// Writes a file so that readers see either the old file or the whole new one:
// the bytes go to a temporary file in the same folder, which is flushed,
// synced and renamed over the target. A failure at any step removes the
// temporary file and leaves the target as it was.

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

  // Creates the temporary file beside `target` (UTF-8 path). False when the
  // folder does not exist or cannot be written, or the target is read-only.
  bool Open(const std::string& target);
  bool Write(std::string_view bytes);
  // Asks the system to start putting what is written so far on disk, so
  // that the sync of Commit has less left to wait for. A hint: failures
  // show in Commit.
  void StartWriteOut();
  // Flushes, syncs, closes and renames over the target.
  bool Commit();
  // Removes the temporary file; the target stays as it was.
  void Discard();

  bool IsOpen() const { return file_ != nullptr; }
  const std::string& Target() const { return target_; }
  const std::string& TemporaryPath() const { return temporary_; }

 private:
  FILE* file_ = nullptr;
  std::string target_;
  std::string temporary_;
  bool failed_ = false;
};

}  // namespace platform
