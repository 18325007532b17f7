#include "FormatCatalogue.h"

#include "LmEnvironment.h"
#include "LmWsSosiExportFileFormatData.h"
#include "WideText.h"

std::vector<std::string> FileFormatNames() {
  FileFormatCatalogue catalogue;
  LoadFileFormats(catalogue, LmEnBuildFilename(L"<APPATH>\\WaterSewer\\Config\\<CURRENTCONFIG>", 0, 0) +
                                 L"/SOSIExport.FileFormats.xml");
  std::vector<std::string> names;
  for (const LmWsSosiExportFileFormatData& variant : catalogue) names.push_back(platform::ToUtf8(variant.DisplayName));
  return names;
}

std::string FileFormatList(const std::vector<std::string>& names, const std::string& separator) {
  std::string list;
  for (size_t i = 0; i < names.size(); ++i) {
    list += (i == 0 ? "" : separator) + std::to_string(i) + " " + names[i];
  }
  return list;
}
