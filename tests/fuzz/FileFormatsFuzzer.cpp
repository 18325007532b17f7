// File format catalogue bytes through the catalogue reader, in memory: a file
// it refuses leaves the catalogue as it was.

#include <cstdint>
#include <cstdlib>

#include "LmWsSosiExportFileFormatData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FileFormatCatalogue catalogue(1);
  if (!LoadFileFormatsText(catalogue, std::string_view(reinterpret_cast<const char*>(data), size)) &&
      catalogue.size() != 1) {
    std::abort();
  }
  return 0;
}
