#pragma once
// The trench sections of the selected trench paths, each with its chains of
// connected device segments in running order. Device set assembly fills the
// list; the overview step cuts the pipe runs from it.

#include <vector>

class LwdDeviceSegment;
class LwtTrenchSection;

using SegmentChain = std::vector<const LwdDeviceSegment*>;

struct SectionChains {
  const LwtTrenchSection* section = nullptr;
  std::vector<SegmentChain> chains;
};

using SectionChainList = std::vector<SectionChains>;
