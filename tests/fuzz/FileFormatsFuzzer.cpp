// File format catalogue bytes through the catalogue loader.

#include "FuzzSupport.h"
#include "LmWsSosiExportFileFormatData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FileFormatCatalogue catalogue(1);
  LoadFileFormats(catalogue, fuzz::InputFile(data, size));
  return 0;
}
