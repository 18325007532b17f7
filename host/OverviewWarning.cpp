#include "OverviewWarning.h"

#include "CSosiExportPropertySheet.h"
#include "IniFile.h"
#include "LmEnvironment.h"
#include "WideText.h"
#include "WinText.h"

std::string OverviewWarning(int position) {
  if (position != kGeminiFileFormat) {
    return "sosi-export: warning: the --overview files are not used: only the Gemini file format (--format " +
           std::to_string(kGeminiFileFormat) + ") reads them";
  }
  // The INI file beside the suite's configuration database, as the module finds it.
  std::wstring ini = WsLmEnvUtils::GetConfigDb();
  if (const auto underscore = ini.rfind(L'_'); underscore != std::wstring::npos) ini.resize(underscore);
  ini += L"_LmWsSOSIExport.ini";
  wchar_t value[260] = {};
  platform::GetPrivateProfileStringW(L"Defaults", L"UseTagCSVFile", L"", value, 260, ini.c_str());
  if (platform::EqualsIgnoringCase(value, L"True")) return {};
  return "sosi-export: warning: the --overview files are not used: UseTagCSVFile is not True in [Defaults] of " +
         platform::ToUtf8(ini);
}
