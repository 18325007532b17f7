// Settings file bytes through the settings reader, in memory: a record it
// takes, written by the settings writer and read again, is the same record
// but for the writer's two lossy cases.

#include <cstdint>
#include <cstdlib>

#include "SOSIMapperDataElements.h"
#include "SOSIMapperDataReader.h"
#include "SOSIMapperDataWriter.h"

namespace {

// An entry without a code is written without its description and group, and
// a negative group is written as none.
SOSIMapperData AsWritten(SOSIMapperData data) {
  for (const auto& [name, field] : kTableElements) {
    for (auto& [fileMode, table] : data.*field) {
      for (auto& [key, feature] : table) {
        if (feature.Feature().empty()) {
          feature.Clear();
        } else if (feature.Group() < 0) {
          feature.Group(CWsFeature::kNoGroup);
        }
      }
    }
  }
  return data;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto first = LoadSOSIMapperDataText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!first) return 0;
  const std::optional<std::string> written = SOSIMapperDataText(*first);
  if (!written) std::abort();
  const auto second = LoadSOSIMapperDataText(*written);
  if (!second || !(*second == AsWritten(*first))) std::abort();
  return 0;
}
