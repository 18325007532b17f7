// Feature group file bytes through the code list reader, in memory, and every
// feature read through the text the mapping pages show.

#include <cstdint>

#include "SOSIFeatureGroupData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SOSIFeatureGroupData groups;
  ReadFeatureGroupText(std::string_view(reinterpret_cast<const char*>(data), size), groups);
  for (const FeatureList* list : {&groups.PipeTypeFeatures(), &groups.PipeUsageFeatures(),
                                  &groups.PipeMethodFeatures(), &groups.PipeSupplyFeatures(),
                                  &groups.ConnectionTypeFeatures(), &groups.ConnectionUsageFeatures(),
                                  &groups.ConnectionMethodFeatures(), &groups.PipeMaterialFeatures(),
                                  &groups.PipeMaterialProductStandardFeatures()}) {
    for (const CWsFeature& feature : *list) feature.ToString();
  }
  return 0;
}
