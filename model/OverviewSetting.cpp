#include "IniFile.h"
#include "LmEnvironment.h"
#include "LmWsSosiExportUI.h"
#include "WinText.h"

// The flag lives in "<database name up to its last '_'>_LmWsSOSIExport.ini"
// beside the suite's configuration database.
bool LmWsSosiExportUI::UseOverviewFiles() const {
  std::wstring iniPath = WsLmEnvUtils::GetConfigDb();
  const std::size_t underscore = iniPath.rfind(L'_');
  if (underscore != std::wstring::npos) iniPath.resize(underscore);
  iniPath += L"_LmWsSOSIExport.ini";
  wchar_t value[260] = {};
  platform::GetPrivateProfileStringW(L"Defaults", L"UseTagCSVFile", L"", value, 260, iniPath.c_str());
  return platform::EqualsIgnoringCase(value, L"True");
}
