#pragma once
// A byte sink that writes a file atomically: the bytes go to a temporary file
// beside the target, and only Commit puts it in the target's place, so an
// existing file is never left half overwritten. The SOSI writer hands it
// blocks of about a megabyte, which go straight to the file.

#include <string>

#include "AtomicFile.h"
#include "ByteSink.h"

class FileSink : public ByteSink {
 public:
  // Path in UTF-8. False when the target cannot be replaced (see AtomicFile::Open).
  bool Open(const std::string& path) { return file_.Open(path); }
  bool Write(std::string_view bytes) override { return file_.Write(bytes); }
  // Puts the file in place; false on any failure, the target left as it was.
  bool Commit() { return file_.Commit(); }
  // The errno of the first failure, 0 while there is none.
  int Error() const { return file_.Error(); }

 private:
  platform::AtomicFile file_;  // discards an uncommitted file
};
