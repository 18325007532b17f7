#pragma once
// Cuts the exported pipes into runs: each segment, taken in the order of the
// section chains, joins the latest run that it continues (in front of the
// run's first segment, else after its last), provided the point object they
// share is not a tagged manhole and both lie on the same trench path;
// otherwise it starts a run of its own.

#include <functional>
#include <unordered_map>
#include <vector>

#include "OverviewMaps.h"

class LwdDevicePointObject;
class LwtTrenchPath;

class PipeRunBuilder {
 public:
  using PathOf = std::function<const LwtTrenchPath*(const LwdDeviceSegment*)>;
  using IsTaggedManhole = std::function<bool(const LwdDevicePointObject*)>;

  PipeRunBuilder(PathOf pathOf, IsTaggedManhole isTaggedManhole);

  // Room in the indexes for this many segments, made at once.
  void Reserve(std::size_t segments);
  // A null segment is passed over.
  void Place(const LwdDeviceSegment* segment);
  PipeRuns TakeRuns();

 private:
  // Runs by a point object; most point objects end one or two runs, so one
  // entry per run is cheaper than a set per point object.
  using RunIndex = std::unordered_multimap<const LwdDevicePointObject*, std::size_t>;
  static void Index(RunIndex& index, const LwdDevicePointObject* key, std::size_t run);
  static void Unindex(RunIndex& index, const LwdDevicePointObject* key, std::size_t run);
  static std::size_t Latest(const RunIndex& index, const LwdDevicePointObject* key);
  // The runs of `key`, latest first.
  static void Runs(const RunIndex& index, const LwdDevicePointObject* key, std::vector<std::size_t>& runs);

  // Segments put in front are kept in reverse, so that both ends grow cheaply.
  struct Run {
    std::vector<const LwdDeviceSegment*> reversedFront;
    std::vector<const LwdDeviceSegment*> back;
    const LwdDeviceSegment* First() const { return reversedFront.empty() ? back.front() : reversedFront.back(); }
    const LwdDeviceSegment* Last() const { return back.back(); }
  };

  PathOf pathOf_;
  IsTaggedManhole isTaggedManhole_;
  std::vector<Run> runs_;
  // Runs by the start point object of their first segment, and by the end
  // point object of their last one.
  RunIndex byFirstStart_;
  RunIndex byLastEnd_;
  std::vector<std::size_t> candidates_;
};
