#include "FileSink.h"

#include <utility>

FileSink::~FileSink() { Finish(); }

bool FileSink::Open(const std::string& path) {
  Finish();
  if (!file_.Open(path)) return false;
  ending_ = false;
  failed_ = false;
  block_.reserve(kBlockBytes);
  thread_ = std::thread(&FileSink::WriteBlocks, this);
  return true;
}

bool FileSink::Write(std::string_view bytes) {
  // Handing over before a block would outgrow its megabyte keeps every
  // block's room at that.
  if (block_.size() + bytes.size() > kBlockBytes) HandOver();
  block_.append(bytes);
  if (block_.size() >= kBlockBytes) HandOver();
  const std::lock_guard lock(mutex_);
  return !failed_;
}

bool FileSink::Commit() {
  if (!thread_.joinable()) return false;
  HandOver();
  Finish();
  return !failed_ && file_.Commit();
}

void FileSink::HandOver() {
  if (block_.empty()) return;
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return waiting_.empty(); });
  // The room of a written block comes back to gather the next one in, so
  // blocks are not allocated again.
  std::swap(waiting_, block_);
  changed_.notify_all();
}

void FileSink::Finish() {
  if (!thread_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    ending_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void FileSink::WriteBlocks() {
  // A city's file waited a tenth of a second for the sync at the end when
  // the system was left to put it on disk in its own time.
  constexpr int kBlocksPerWriteOut = 8;
  int blocksWritten = 0;
  std::string writing;
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return !waiting_.empty() || ending_; });
    if (waiting_.empty()) return;
    // What was written last goes back as the waiting block's room.
    std::swap(writing, waiting_);
    lock.unlock();
    const bool written = file_.Write(writing);
    if (written && ++blocksWritten % kBlocksPerWriteOut == 0) file_.StartWriteOut();
    writing.clear();
    lock.lock();
    if (!written) failed_ = true;
    changed_.notify_all();
  }
}
