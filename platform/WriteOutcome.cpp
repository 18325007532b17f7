#include "WriteOutcome.h"

#include <utility>

namespace platform {
namespace {

WriteOutcomeSink g_outcomeSink;

}  // namespace

void ReportWriteOutcome(const WriteOutcome& outcome) {
  if (g_outcomeSink) g_outcomeSink(outcome);
}

WriteOutcomeSink SetWriteOutcomeSink(WriteOutcomeSink sink) {
  std::swap(g_outcomeSink, sink);
  return sink;
}

}  // namespace platform
