#include "SosiObjectPlan.h"

#include <cstdint>

#include "FlatHashIndex.h"
#include "LwdPipe.h"
#include "SosiUnits.h"
#include "WSTypes.h"

namespace {

// The run without null segments at its ends; empty when it has none at all.
std::span<const LwdDeviceSegment* const> Trimmed(const std::vector<const LwdDeviceSegment*>& run) {
  std::size_t first = 0;
  std::size_t end = run.size();
  while (first < end && run[first] == nullptr) ++first;
  while (end > first && run[end - 1] == nullptr) --end;
  return std::span<const LwdDeviceSegment* const>(run.data() + first, end - first);
}

}  // namespace

bool SameInFile(const WSVertex& a, const WSVertex& b) {
  using sosi_units::ToUnits;
  return ToUnits(a.x) == ToUnits(b.x) && ToUnits(a.y) == ToUnits(b.y) && a.hasZ == b.hasZ &&
         (!a.hasZ || ToUnits(a.z) == ToUnits(b.z));
}

SosiObjectPlan::SosiObjectPlan(const LwdDeviceSet* devices, const PipeRuns* runs, const PipeTags* tags) {
  // A city has hundreds of thousands of segments: a node-based set cost an
  // allocation and a cache miss for each.
  FlatSet<const LwdDeviceSegment*> covered;
  if (runs != nullptr) {
    curves_.reserve(runs->size());
    for (const auto& run : *runs) {
      // The pipe tag map knows a run by the id of its first segment.
      SosiCurvePlan curve;
      curve.segments = Trimmed(run);
      if (curve.segments.empty()) continue;
      if (tags != nullptr) {
        if (auto it = tags->find(curve.segments.front()->getPersistentID()); it != tags->end()) {
          curve.tag = &it->second.first;
          curve.reversed = !it->second.second;
        }
      }
      for (const LwdDeviceSegment* segment : curve.segments) covered.Insert(segment);
      AddCurve(curve);
    }
  }
  // A pipe in the set stands for all its segments; each segment is written once.
  std::vector<const LwdDeviceSegment*> segments;
  for (int i = 0; devices != nullptr && i < devices->numDevices(); ++i) {
    const LwdDevice* device = devices->getDevice(i);
    if (device == nullptr) continue;
    const WsClassId classId = device->getClassId();
    if (classId == kClassDeviceSegment) {
      const auto* segment = static_cast<const LwdDeviceSegment*>(device);
      if (covered.Insert(segment)) segments.push_back(segment);
    } else if (classId == kClassPipe) {
      const auto* pipe = static_cast<const LwdPipe*>(device);
      for (int s = 0; s < pipe->numDeviceSegments(); ++s) {
        const LwdDeviceSegment* segment = pipe->getDeviceSegment(s);
        if (segment != nullptr && covered.Insert(segment)) segments.push_back(segment);
      }
    } else if (IsPointObjectClass(classId)) {
      AddPoint(static_cast<const LwdDevicePointObject*>(device));
    }
  }
  // The spans of one-segment curves point into singles_, so it is filled first.
  singles_ = std::move(segments);
  curves_.reserve(curves_.size() + singles_.size());
  for (const LwdDeviceSegment*& segment : singles_) AddSegment(segment);
}

void SosiObjectPlan::AddSegment(const LwdDeviceSegment* const& segment) {
  SosiCurvePlan curve;
  curve.segments = std::span<const LwdDeviceSegment* const>(&segment, 1);
  AddCurve(curve);
}

void SosiObjectPlan::AddCurve(SosiCurvePlan curve) {
  if (modelInfo_ == nullptr) modelInfo_ = &curve.segments.front()->getModelInfo();
  long count = 0;
  long withHeight = 0;
  ForEachVertex(curve, [&](const WSVertex& vertex) {
    ++count;
    if (vertex.hasZ) ++withHeight;
  });
  // A curve of one vertex is no line; readers take it as an invalid one.
  if (count < 2) {
    ++curvesWithoutGeometry_;
    return;
  }
  ForEachVertex(curve, [&](const WSVertex& vertex) { extent_.Add(vertex.y, vertex.x); });
  curve.heights = withHeight == count;
  if (withHeight > 0 && !curve.heights) ++curvesWithPartialHeights_;
  anyHeights_ = anyHeights_ || curve.heights;
  curves_.push_back(curve);
}

void SosiObjectPlan::AddPoint(const LwdDevicePointObject* pointObject) {
  const GmiSinglePoint* point = pointObject->getRelPoint();
  if (modelInfo_ == nullptr) modelInfo_ = &pointObject->getModelInfo();
  if (point == nullptr) {
    constexpr std::size_t kNamed = 5;
    if (firstPointsWithoutPosition_.size() < kNamed) firstPointsWithoutPosition_.push_back(pointObject);
    ++pointsWithoutPosition_;
    return;
  }
  const GmiPosition& position = point->getPosition();
  extent_.Add(position.getY(), position.getX());
  anyHeights_ = anyHeights_ || position.hasZ();
  points_.push_back({pointObject, position.hasZ()});
}
