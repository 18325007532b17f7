#include "PipeRunBuilder.h"

#include "LmWSModel.h"

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

}  // namespace

PipeRunBuilder::PipeRunBuilder(PathOf pathOf, IsTaggedManhole isTaggedManhole)
    : pathOf_(std::move(pathOf)), isTaggedManhole_(std::move(isTaggedManhole)) {}

void PipeRunBuilder::Index(std::unordered_map<const LwdDevicePointObject*, RunSet>& index,
                           const LwdDevicePointObject* key, std::size_t run) {
  if (key != nullptr) index[key].insert(run);
}

void PipeRunBuilder::Unindex(std::unordered_map<const LwdDevicePointObject*, RunSet>& index,
                             const LwdDevicePointObject* key, std::size_t run) {
  if (key != nullptr) index[key].erase(run);
}

std::size_t PipeRunBuilder::Latest(const std::unordered_map<const LwdDevicePointObject*, RunSet>& index,
                                   const LwdDevicePointObject* key) {
  if (key == nullptr) return kNone;
  const auto found = index.find(key);
  return found == index.end() || found->second.empty() ? kNone : *found->second.rbegin();
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
    const auto found = byFirstStart_.find(end);
    if (found != byFirstStart_.end()) {
      for (auto run = found->second.rbegin(); run != found->second.rend(); ++run) {
        if (afterLast != kNone && *run < afterLast) break;
        const LwdDeviceSegment* first = runs_[*run].First();
        if (start == nullptr || first->getEndDevicePointObject() != start) {
          beforeFirst = *run;
          break;
        }
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
  for (const Run& run : runs_) {
    std::vector<const LwdDeviceSegment*>& segments =
        runs.emplace_back(run.reversedFront.rbegin(), run.reversedFront.rend());
    segments.insert(segments.end(), run.back.begin(), run.back.end());
  }
  runs_.clear();
  byFirstStart_.clear();
  byLastEnd_.clear();
  return runs;
}
