#include "PipeRunBuilder.h"

#include <algorithm>

#include "LmWSModel.h"

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

}  // namespace

PipeRunBuilder::PipeRunBuilder(PathOf pathOf, IsTaggedManhole isTaggedManhole)
    : pathOf_(std::move(pathOf)), isTaggedManhole_(std::move(isTaggedManhole)) {}

void PipeRunBuilder::Index(RunIndex& index, const LwdDevicePointObject* key, std::size_t run) {
  if (key != nullptr) index.emplace(key, run);
}

void PipeRunBuilder::Unindex(RunIndex& index, const LwdDevicePointObject* key, std::size_t run) {
  if (key == nullptr) return;
  const auto [first, last] = index.equal_range(key);
  const auto found = std::find_if(first, last, [run](const auto& entry) { return entry.second == run; });
  if (found != last) index.erase(found);
}

std::size_t PipeRunBuilder::Latest(const RunIndex& index, const LwdDevicePointObject* key) {
  if (key == nullptr) return kNone;
  const auto [first, last] = index.equal_range(key);
  std::size_t latest = kNone;
  for (auto entry = first; entry != last; ++entry) {
    if (latest == kNone || entry->second > latest) latest = entry->second;
  }
  return latest;
}

void PipeRunBuilder::Runs(const RunIndex& index, const LwdDevicePointObject* key, std::vector<std::size_t>& runs) {
  runs.clear();
  const auto [first, last] = index.equal_range(key);
  for (auto entry = first; entry != last; ++entry) runs.push_back(entry->second);
  std::sort(runs.begin(), runs.end(), std::greater<>());
}

void PipeRunBuilder::Reserve(std::size_t segments) {
  byFirstStart_.reserve(segments);
  byLastEnd_.reserve(segments);
}

void PipeRunBuilder::Place(const LwdDeviceSegment* segment) {
  if (segment == nullptr) return;
  const LwdDevicePointObject* start = segment->getStartDevicePointObject();
  const LwdDevicePointObject* end = segment->getEndDevicePointObject();

  // Runs are tried from the latest back. A run's last segment takes the new
  // one after it when it ends where the new one starts; its first segment
  // takes it in front when it starts where the new one ends, unless that
  // first segment also ends where the new one starts (that comparison then
  // means "after", which only the last segment may act on). The front is
  // tried first within one run.
  const std::size_t afterLast = Latest(byLastEnd_, start);
  std::size_t beforeFirst = kNone;
  if (end != nullptr) {
    Runs(byFirstStart_, end, candidates_);
    for (const std::size_t run : candidates_) {
      if (afterLast != kNone && run < afterLast) break;
      const LwdDeviceSegment* first = runs_[run].First();
      if (start == nullptr || first->getEndDevicePointObject() != start) {
        beforeFirst = run;
        break;
      }
    }
  }

  const bool inFront = beforeFirst != kNone;
  const std::size_t run = inFront ? beforeFirst : afterLast;
  if (run != kNone) {
    const LwdDevicePointObject* shared = inFront ? end : start;
    Run& target = runs_[run];
    const LwtTrenchPath* path = pathOf_(target.First());
    if (!isTaggedManhole_(shared) && path != nullptr && path == pathOf_(segment)) {
      if (inFront) {
        Unindex(byFirstStart_, target.First()->getStartDevicePointObject(), run);
        target.reversedFront.push_back(segment);
        Index(byFirstStart_, start, run);
      } else {
        Unindex(byLastEnd_, target.Last()->getEndDevicePointObject(), run);
        target.back.push_back(segment);
        Index(byLastEnd_, end, run);
      }
      return;
    }
  }
  runs_.push_back({{}, {segment}});
  Index(byFirstStart_, start, runs_.size() - 1);
  Index(byLastEnd_, end, runs_.size() - 1);
}

PipeRuns PipeRunBuilder::TakeRuns() {
  PipeRuns runs;
  runs.reserve(runs_.size());
  for (Run& run : runs_) {
    // Most runs only grew at their end and are handed over as they are.
    if (run.reversedFront.empty()) {
      runs.push_back(std::move(run.back));
      continue;
    }
    std::vector<const LwdDeviceSegment*>& segments =
        runs.emplace_back(run.reversedFront.rbegin(), run.reversedFront.rend());
    segments.insert(segments.end(), run.back.begin(), run.back.end());
    run = Run();
  }
  runs_.clear();
  byFirstStart_.clear();
  byLastEnd_.clear();
  return runs;
}
