#include "StageTimings.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>

namespace platform {

StageTimings::StageTimings(bool enabled, std::FILE* out) : enabled_(enabled && out != nullptr), out_(out) {}

StageTimings StageTimings::FromEnvironment(const char* variable) {
  const char* value = std::getenv(variable);
  return StageTimings(value != nullptr && *value != '\0' && std::strcmp(value, "0") != 0, stderr);
}

StageTimings::~StageTimings() {
  if (!enabled_) return;
  EndCurrent();
  for (const auto& [name, seconds] : seconds_) {
    // Written with to_chars: the process locale may use a decimal comma.
    char number[32];
    const auto end = std::to_chars(number, number + sizeof number, seconds, std::chars_format::fixed, 3).ptr;
    std::fprintf(out_, "timing: %s %.*s s\n", name.c_str(), static_cast<int>(end - number), number);
  }
  std::fflush(out_);
}

void StageTimings::Begin(const char* stage) {
  if (!enabled_) return;
  EndCurrent();
  const auto known =
      std::find_if(seconds_.begin(), seconds_.end(), [&](const auto& entry) { return entry.first == stage; });
  current_ = static_cast<std::size_t>(known - seconds_.begin());
  if (known == seconds_.end()) seconds_.emplace_back(stage, 0.0);
  running_ = true;
  start_ = Clock::now();
}

void StageTimings::EndCurrent() {
  if (!running_) return;
  seconds_[current_].second += std::chrono::duration<double>(Clock::now() - start_).count();
  running_ = false;
}

}  // namespace platform
