#pragma once
// Device set assembly and the overview step written as the rules read, with
// plain loops and no indexes: the yardstick for the fast code.

#include <string>
#include <vector>

#include "LmWSModel.h"
#include "OverviewMaps.h"
#include "SectionChains.h"

namespace reference {

// How often the rules took their less common turns, so that a test can see
// that its networks reach them.
struct Tally {
  int chainsJoined = 0;       // a chain put in front of an earlier one
  int proximityTies = 0;      // a free point object as near to both sides
  int proximityRejected = 0;  // a free point object left out
  int runsExtendedInFront = 0;
  int runsExtendedAtEnd = 0;
  int runsRefused = 0;  // a run found but not joined (tagged manhole or other path)
  int pipeTagsStartFirst = 0;
  int pipeTagsEndFirst = 0;
};

bool AssembleDeviceSet(const LwtTrenchTopologySet* topology, const LwcTrSectionDevSegmentLinkSet* sectionLinks,
                       LwdDeviceSet* exportSet, SectionChainList& sectionChains, const LwdDeviceSet* modelSet,
                       const std::vector<int>& selectedIds, const LwcNodePointObjectLinkSet* nodeLinks, Tally& tally);

void ReadOverviewFiles(const LwdDeviceSet* exportSet, const std::vector<std::wstring>& paths,
                       const SectionChainList& sectionChains, PointObjectTagMap& pointObjectTags, PipeTagMap& pipeTags,
                       PipeRuns& pipeRuns, Tally& tally);

}  // namespace reference
