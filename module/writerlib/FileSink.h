#pragma once
// A byte sink that writes a file atomically: the bytes go to a temporary file
// beside the target, and only Commit puts it in the target's place, so an
// existing file is never left half overwritten. The SOSI writer hands it
// blocks of about a megabyte, which go straight to the file.

#include <string>

#include "AtomicFile.h"
#include "ByteSink.h"
#include "PendingFile.h"

// The temporary file is also the host runtime's pending file while it is
// written, for the host to remove should a signal stop the program.
class FileSink : public ByteSink {
 public:
  ~FileSink() override { platform::SetPendingFile({}); }
  // Path in UTF-8. False when the target cannot be replaced (see AtomicFile::Open).
  bool Open(const std::string& path) {
    if (!file_.Open(path)) return false;
    platform::SetPendingFile(file_.TemporaryPath());
    return true;
  }
  bool Write(std::string_view bytes) override { return file_.Write(bytes); }
  // Puts the file in place; false on any failure, the target left as it was.
  bool Commit() {
    const bool committed = file_.Commit();
    platform::SetPendingFile({});
    return committed;
  }
  // The errno of the first failure, 0 while there is none.
  int Error() const { return file_.Error(); }

 private:
  platform::AtomicFile file_;  // discards an uncommitted file
};
