#include "PipeRunBuilder.h"

#include <algorithm>

#include "LmWSModel.h"

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

}  // namespace

PipeRunBuilder::PipeRunBuilder(PathOf pathOf, IsTaggedManhole isTaggedManhole)
    : pathOf_(std::move(pathOf)), isTaggedManhole_(std::move(isTaggedManhole)) {}

void PipeRunBuilder::RunIndex::Reserve(std::size_t entries) {
  heads_.Reserve(entries);
  entries_.reserve(entries);
}

std::uint32_t PipeRunBuilder::RunIndex::Head(const LwdDevicePointObject* key) const {
  const std::uint32_t* head = heads_.Find(key);
  return head == nullptr ? kEnd : *head;
}

void PipeRunBuilder::RunIndex::Add(const LwdDevicePointObject* key, std::size_t run) {
  if (key == nullptr) return;
  std::uint32_t& head = heads_.At(key, kEnd);
  entries_.push_back({static_cast<std::uint32_t>(run), head});
  head = static_cast<std::uint32_t>(entries_.size() - 1);
}

// The entry is unlinked; its place in the vector is not used again.
void PipeRunBuilder::RunIndex::Remove(const LwdDevicePointObject* key, std::size_t run) {
  std::uint32_t* link = key != nullptr ? heads_.Find(key) : nullptr;
  for (; link != nullptr && *link != kEnd; link = &entries_[*link].next) {
    if (entries_[*link].run == run) {
      *link = entries_[*link].next;
      return;
    }
  }
}

std::size_t PipeRunBuilder::RunIndex::Latest(const LwdDevicePointObject* key) const {
  if (key == nullptr) return kNone;
  std::size_t latest = kNone;
  for (std::uint32_t entry = Head(key); entry != kEnd; entry = entries_[entry].next) {
    if (latest == kNone || entries_[entry].run > latest) latest = entries_[entry].run;
  }
  return latest;
}

void PipeRunBuilder::RunIndex::Runs(const LwdDevicePointObject* key, std::vector<std::size_t>& runs) const {
  runs.clear();
  for (std::uint32_t entry = Head(key); entry != kEnd; entry = entries_[entry].next) {
    runs.push_back(entries_[entry].run);
  }
  std::sort(runs.begin(), runs.end(), std::greater<>());
}

void PipeRunBuilder::Reserve(std::size_t segments) {
  byFirstStart_.Reserve(segments);
  byLastEnd_.Reserve(segments);
  segments_.reserve(segments);
  next_.reserve(segments);
  runs_.reserve(segments);
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
  const std::size_t afterLast = byLastEnd_.Latest(start);
  std::size_t beforeFirst = kNone;
  if (end != nullptr) {
    byFirstStart_.Runs(end, candidates_);
    for (const std::size_t run : candidates_) {
      if (afterLast != kNone && run < afterLast) break;
      const LwdDeviceSegment* first = First(runs_[run]);
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
    const LwtTrenchPath* path = pathOf_(First(target));
    if (!isTaggedManhole_(shared) && path != nullptr && path == pathOf_(segment)) {
      const auto placed = static_cast<std::uint32_t>(segments_.size());
      segments_.push_back(segment);
      if (inFront) {
        byFirstStart_.Remove(First(target)->getStartDevicePointObject(), run);
        next_.push_back(target.first);
        target.first = placed;
        byFirstStart_.Add(start, run);
      } else {
        byLastEnd_.Remove(Last(target)->getEndDevicePointObject(), run);
        next_.push_back(kEnd);
        next_[target.last] = placed;
        target.last = placed;
        byLastEnd_.Add(end, run);
      }
      return;
    }
  }
  const auto placed = static_cast<std::uint32_t>(segments_.size());
  segments_.push_back(segment);
  next_.push_back(kEnd);
  runs_.push_back({placed, placed});
  byFirstStart_.Add(start, runs_.size() - 1);
  byLastEnd_.Add(end, runs_.size() - 1);
}

PipeRuns PipeRunBuilder::TakeRuns() {
  byFirstStart_ = RunIndex();
  byLastEnd_ = RunIndex();
  PipeRuns runs(runs_.size());
  for (std::size_t i = 0; i < runs_.size(); ++i) {
    std::size_t length = 0;
    for (std::uint32_t at = runs_[i].first; at != kEnd; at = next_[at]) ++length;
    runs[i].reserve(length);
    for (std::uint32_t at = runs_[i].first; at != kEnd; at = next_[at]) runs[i].push_back(segments_[at]);
  }
  segments_ = {};
  next_ = {};
  runs_ = {};
  return runs;
}
