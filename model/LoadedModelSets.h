#pragma once
// The sets a model load makes that the run never hands back to the library:
// the controller keeps them until it goes, so the model is released with it.

#include <memory>

#include "LmWsSosiExportUI.h"
#include "LwcNodePointObjectLinkSet.h"
#include "LwcTrSectionDevSegmentLinkSet.h"
#include "LwtTrenchTopologySet.h"

struct LmWsSosiExportUI::LoadedSets {
  std::unique_ptr<LwtTrenchTopologySet> topology;
  std::unique_ptr<LwcTrSectionDevSegmentLinkSet> sectionLinks;
  std::unique_ptr<LwcNodePointObjectLinkSet> nodeLinks;
};
