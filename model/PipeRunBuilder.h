#pragma once
// Cuts the exported pipes into runs: each segment, taken in the order of the
// section chains, joins the latest run that it continues (in front of the
// run's first segment, else after its last), provided the point object they
// share is not a tagged manhole and both lie on the same trench path;
// otherwise it starts a run of its own.

#include <cstdint>
#include <functional>
#include <vector>

#include "FlatHashIndex.h"
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
  static constexpr std::uint32_t kEnd = FlatHashIndex::kNone;

  // Runs by a point object; most point objects end one or two runs, so each
  // point object has a short list of entries, all kept in one vector so that
  // indexing a run allocates nothing. Null point objects are not indexed.
  class RunIndex {
   public:
    void Reserve(std::size_t entries);
    void Add(const LwdDevicePointObject* key, std::size_t run);
    void Remove(const LwdDevicePointObject* key, std::size_t run);
    // The latest run of `key`, or none.
    std::size_t Latest(const LwdDevicePointObject* key) const;
    // The runs of `key`, latest first.
    void Runs(const LwdDevicePointObject* key, std::vector<std::size_t>& runs) const;

   private:
    struct Entry {
      std::uint32_t run;  // a city has far fewer than four thousand million runs
      std::uint32_t next;
    };
    // The first entry of the key's list, or kEnd.
    std::uint32_t Head(const LwdDevicePointObject* key) const;

    FlatMap<const LwdDevicePointObject*, std::uint32_t> heads_;
    std::vector<Entry> entries_;
  };

  // A run is a list through the placed segments, by their numbers, so that
  // both ends grow without a vector of its own for each run (most runs of a
  // city are a single segment).
  struct Run {
    std::uint32_t first;
    std::uint32_t last;
  };
  const LwdDeviceSegment* First(const Run& run) const { return segments_[run.first]; }
  const LwdDeviceSegment* Last(const Run& run) const { return segments_[run.last]; }

  PathOf pathOf_;
  IsTaggedManhole isTaggedManhole_;
  std::vector<const LwdDeviceSegment*> segments_;  // in the order placed
  std::vector<std::uint32_t> next_;  // the next segment of the run, or kEnd
  std::vector<Run> runs_;
  // Runs by the start point object of their first segment, and by the end
  // point object of their last one.
  RunIndex byFirstStart_;
  RunIndex byLastEnd_;
  std::vector<std::size_t> candidates_;
};
