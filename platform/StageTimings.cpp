#include "StageTimings.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>

#include <sys/resource.h>

namespace platform {
namespace {

// With to_chars: the process locale may use a decimal comma.
std::string Seconds(double seconds) {
  char number[32];
  const auto end = std::to_chars(number, number + sizeof number, seconds, std::chars_format::fixed, 3).ptr;
  return std::string(number, end);
}

long PeakKilobytes() {
  rusage usage{};
  return getrusage(RUSAGE_SELF, &usage) == 0 ? usage.ru_maxrss : 0;
}

}  // namespace

StageTimings::StageTimings(bool enabled, std::FILE* out) : enabled_(enabled && out != nullptr), out_(out) {}

StageTimings StageTimings::FromEnvironment(const char* variable) {
  const char* value = std::getenv(variable);
  return StageTimings(value != nullptr && *value != '\0' && std::strcmp(value, "0") != 0, stderr);
}

StageTimings::~StageTimings() {
  if (!enabled_) return;
  EndCurrent();
  for (const Stage& stage : stages_) {
    std::fprintf(out_, "timing: %s %s s, cpu %s s, peak %ld MB\n", stage.name.c_str(), Seconds(stage.wall).c_str(),
                 Seconds(stage.cpu).c_str(), stage.peakKilobytes / 1024);
  }
  std::fflush(out_);
}

void StageTimings::Step(const char* stage) {
  if (!enabled_) return;
  EndCurrent();
  const auto known =
      std::find_if(stages_.begin(), stages_.end(), [&](const Stage& entry) { return entry.name == stage; });
  current_ = static_cast<std::size_t>(known - stages_.begin());
  if (known == stages_.end()) stages_.push_back({stage});
  running_ = true;
  start_ = Clock::now();
  cpuStart_ = std::clock();
}

void StageTimings::EndCurrent() {
  if (!running_) return;
  stages_[current_].wall += std::chrono::duration<double>(Clock::now() - start_).count();
  stages_[current_].cpu += static_cast<double>(std::clock() - cpuStart_) / CLOCKS_PER_SEC;
  stages_[current_].peakKilobytes = PeakKilobytes();
  running_ = false;
}

}  // namespace platform
