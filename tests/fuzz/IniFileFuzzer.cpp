// INI bytes through the profile reader, in memory, asked for the key the
// export reads: the first occurrence wins whatever follows, and section and
// key match ignoring letter case.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
  const auto value = platform::ProfileValueInText(text, L"Defaults", L"UseTagCSVFile");
  const auto later = platform::ProfileValueInText(text + "\n[Defaults]\nUseTagCSVFile=later\n", L"DEFAULTS",
                                                  L"usetagcsvfile");
  if (later != (value ? *value : L"later")) std::abort();
  return 0;
}
