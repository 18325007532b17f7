// Overview CSV bytes through the overview file reader, in memory: a file is
// of one kind, and a pipe file gives at most one pipe line per line.

#include <cstdint>
#include <cstdlib>

#include "OverviewFile.h"

namespace {

struct Counts : OverviewReceiver {
  void ExpectManholeLines(std::size_t lines) override { expected += lines; }
  void ExpectPipeLines(std::size_t lines) override { expected += lines; }
  void ManholeTag(const OverviewTagView&) override { ++manholeTags; }
  void PipeLine(const OverviewTagView&, const OverviewTagView&, const OverviewTagView&) override { ++pipeLines; }

  std::size_t expected = 0;
  std::size_t manholeTags = 0;
  std::size_t pipeLines = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Counts counts;
  ReadOverviewText(std::string_view(reinterpret_cast<const char*>(data), size), counts);
  if ((counts.manholeTags > 0 && counts.pipeLines > 0) || counts.pipeLines > counts.expected) std::abort();
  return 0;
}
