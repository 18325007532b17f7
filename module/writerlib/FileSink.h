#pragma once
// A byte sink that writes a file atomically: the bytes go to a temporary file
// beside the target, and only Commit puts it in the target's place, so an
// existing file is never left half overwritten.

#include <string>

#include "AtomicFile.h"
#include "ByteSink.h"

class FileSink : public ByteSink {
 public:
  // Path in UTF-8. False when the folder does not exist or cannot be written.
  bool Open(const std::string& path) { return file_.Open(path); }
  bool Write(std::string_view bytes) override { return file_.Write(bytes); }
  bool Commit() { return file_.Commit(); }

 private:
  platform::AtomicFile file_;
};
