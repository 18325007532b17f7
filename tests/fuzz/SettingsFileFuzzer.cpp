// Settings file bytes through the settings reader, in memory: a record it
// takes, written by the settings writer and read again, is the same record.

#include <cstdint>
#include <cstdlib>

#include "SOSIMapperDataReader.h"
#include "SOSIMapperDataWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto first = LoadSOSIMapperDataText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!first) return 0;
  const std::optional<std::string> written = SOSIMapperDataText(*first);
  if (!written) std::abort();
  const auto second = LoadSOSIMapperDataText(*written);
  if (!second || !(*second == *first)) std::abort();
  return 0;
}
