#pragma once
// A byte sink that writes a file atomically: the bytes go to a temporary file
// beside the target, and only Commit puts it in the target's place, so an
// existing file is never left half overwritten.
//
// Small writes are gathered into blocks of a megabyte, since a write per line
// took a third of the time of writing a city's file; a write of a block or
// more, as the SOSI writer makes, goes to the file as it is. A failed write
// shows at the latest in Commit.

#include <string>

#include "AtomicFile.h"
#include "ByteSink.h"

class FileSink : public ByteSink {
 public:
  // Path in UTF-8. False when the folder does not exist or cannot be written.
  bool Open(const std::string& path) { return file_.Open(path); }
  bool Write(std::string_view bytes) override;
  // Writes what is gathered and puts the file in place; false on any failure.
  bool Commit();

 private:
  bool Flush();

  platform::AtomicFile file_;
  std::string block_;
  bool failed_ = false;
};
