#pragma once
// A byte sink that writes a file atomically: the bytes go to a temporary file
// beside the target, and only Commit puts it in the target's place, so an
// existing file is never left half overwritten.
//
// Writes are gathered into blocks of a megabyte, and a second thread hands
// each full block to the file while the writer makes the next: the system's
// copying of a city's file into the file cache took a third of the writing
// time. At most one block waits, so memory stays at a few blocks. A failed
// write shows in a later Write, at the latest in Commit.

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "AtomicFile.h"
#include "ByteSink.h"

class FileSink : public ByteSink {
 public:
  FileSink() = default;
  ~FileSink() override;  // an uncommitted file is discarded
  FileSink(const FileSink&) = delete;
  FileSink& operator=(const FileSink&) = delete;

  // Path in UTF-8. False when the folder does not exist or cannot be written.
  bool Open(const std::string& path);
  bool Write(std::string_view bytes) override;
  // Writes what is gathered and puts the file in place; false on any failure.
  bool Commit();

 private:
  // Hands the gathered block to the file thread, waiting while the one
  // before is still waiting for it.
  void HandOver();
  // Waits until the file thread has written every block and ended.
  void Finish();
  void WriteBlocks();

  platform::AtomicFile file_;
  std::string block_;
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable changed_;
  // Guarded by mutex_.
  std::string waiting_;
  bool ending_ = false;
  bool failed_ = false;
};
