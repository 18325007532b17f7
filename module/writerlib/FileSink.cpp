#include "FileSink.h"

bool FileSink::Write(std::string_view bytes) {
  if (failed_) return false;
  if (block_.empty() && bytes.size() >= kBlockBytes) {
    failed_ = !file_.Write(bytes);
    return !failed_;
  }
  block_.append(bytes);
  return block_.size() < kBlockBytes || Flush();
}

bool FileSink::Commit() { return Flush() && file_.Commit(); }

bool FileSink::Flush() {
  if (!failed_ && !block_.empty()) failed_ = !file_.Write(block_);
  block_.clear();
  return !failed_;
}
