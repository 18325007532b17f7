#pragma once
// Every set of one mapping, owned together: for tools and tests that want the
// whole model and no bookkeeping of seven pointers.

#include <memory>

#include "LwcNodePointObjectLinkSet.h"
#include "LwcTrSectionDevSegmentLinkSet.h"
#include "LwdDeviceSet.h"
#include "LwsSurfaceDescriptionSet.h"
#include "LwtTrenchConnectionPointSet.h"
#include "LwtTrenchSectionSet.h"
#include "LwtTrenchTopologySet.h"

class GmiGeodataSet;

struct LmWSModelSets {
  std::unique_ptr<LwdDeviceSet> devices;
  std::unique_ptr<LwtTrenchSectionSet> sections;
  std::unique_ptr<LwtTrenchConnectionPointSet> connectionPoints;
  std::unique_ptr<LwtTrenchTopologySet> topology;
  std::unique_ptr<LwsSurfaceDescriptionSet> surfaces;
  std::unique_ptr<LwcNodePointObjectLinkSet> nodeLinks;
  std::unique_ptr<LwcTrSectionDevSegmentLinkSet> sectionLinks;

  // Replaces every set by those LmWSMapper makes of `set`; its result.
  bool Map(const GmiGeodataSet* set);
};
