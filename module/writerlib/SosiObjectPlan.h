#pragma once
// The objects a run writes, decided before anything is written: one curve per
// pipe run and one per exported device segment that no run covers, and one
// point per point object that has a position. Making the plan is the first,
// cheap pass over the device set: it also gathers the area covered and
// whether heights occur, which the header needs before the first object.

#include <map>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "LwdDevicePointObject.h"
#include "LwdDeviceSegment.h"
#include "LwdDeviceSet.h"
#include "SosiExtent.h"
#include "WSCurve.h"

using PipeRuns = std::vector<std::vector<const LwdDeviceSegment*>>;
using PipeTags = std::map<int, std::pair<std::wstring, bool>>;

struct SosiCurvePlan {
  // A run's segments in running order, or one segment. The first and the
  // last are never null.
  std::span<const LwdDeviceSegment* const> segments;
  const std::wstring* tag = nullptr;
  // Written from the end of the last segment back to the start of the first.
  bool reversed = false;
  bool heights = false;  // every vertex has a height
};

struct SosiPointPlan {
  const LwdDevicePointObject* pointObject = nullptr;
  bool heights = false;
};

class SosiObjectPlan {
 public:
  // `runs` and `tags` may be null. The plan refers to the runs and the
  // device set's objects, which must outlive it.
  SosiObjectPlan(const LwdDeviceSet* devices, const PipeRuns* runs, const PipeTags* tags);

  const std::vector<SosiCurvePlan>& Curves() const { return curves_; }
  const std::vector<SosiPointPlan>& Points() const { return points_; }
  const SosiExtent& Extent() const { return extent_; }
  bool AnyHeights() const { return anyHeights_; }

  // The record of the model the objects belong to; null without objects.
  const LwdModelInfo* ModelInfo() const { return modelInfo_; }

  // What cannot be written, for the report: point objects without a position
  // (the first few of them by name) ...
  long PointsWithoutPosition() const { return pointsWithoutPosition_; }
  const std::vector<const LwdDevicePointObject*>& FirstPointsWithoutPosition() const {
    return firstPointsWithoutPosition_;
  }
  long CurvesWithoutGeometry() const { return curvesWithoutGeometry_; }
  long CurvesWithPartialHeights() const { return curvesWithPartialHeights_; }

  // Calls `visit(vertex)` for each vertex of the curve in writing order; the
  // vertex where one segment ends and the next begins is visited once when
  // both ends are the same to the centimetre.
  template <class Visit>
  static void ForEachVertex(const SosiCurvePlan& curve, Visit visit);

 private:
  void AddSegment(const LwdDeviceSegment* const& segment);
  void AddCurve(SosiCurvePlan curve);
  void AddPoint(const LwdDevicePointObject* pointObject);

  std::vector<SosiCurvePlan> curves_;
  std::vector<SosiPointPlan> points_;
  std::vector<const LwdDeviceSegment*> singles_;  // stable storage for one-segment curves
  SosiExtent extent_;
  bool anyHeights_ = false;
  const LwdModelInfo* modelInfo_ = nullptr;
  long pointsWithoutPosition_ = 0;
  std::vector<const LwdDevicePointObject*> firstPointsWithoutPosition_;
  long curvesWithoutGeometry_ = 0;
  long curvesWithPartialHeights_ = 0;
};

bool SameInFile(const WSVertex& a, const WSVertex& b);

template <class Visit>
void SosiObjectPlan::ForEachVertex(const SosiCurvePlan& curve, Visit visit) {
  const WSVertex* previous = nullptr;
  const std::size_t count = curve.segments.size();
  for (std::size_t s = 0; s < count; ++s) {
    const LwdDeviceSegment* segment = curve.segments[curve.reversed ? count - 1 - s : s];
    if (segment == nullptr) continue;
    const std::vector<WSVertex>& vertices = segment->getWSCurve()->GetHorVertices();
    for (std::size_t v = 0; v < vertices.size(); ++v) {
      const WSVertex& vertex = vertices[curve.reversed ? vertices.size() - 1 - v : v];
      if (v == 0 && previous != nullptr && SameInFile(*previous, vertex)) continue;
      visit(vertex);
      previous = &vertex;
    }
  }
}
