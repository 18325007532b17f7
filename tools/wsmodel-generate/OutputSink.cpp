#include "OutputSink.h"

namespace wsmodel {

namespace {
constexpr std::size_t kBlockSize = 1 << 20;
}

void FileSink::Write(std::string_view text) {
  block_ += text;
  if (block_.size() >= kBlockSize) {
    file_.Write(block_);
    block_.clear();
  }
}

bool FileSink::Commit() {
  const bool written = file_.Write(block_);
  block_.clear();
  return file_.Commit() && written;
}

}  // namespace wsmodel
