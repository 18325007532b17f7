#include "LmEnvironment.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>

#include "WideText.h"

namespace {

std::wstring Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? platform::FromUtf8(value) : std::wstring();
}

// The data folder of an installed program sits at <prefix>/share/sosi-export,
// beside <prefix>/lib where this code is loaded from.
std::wstring DefaultApplicationFolder() {
  Dl_info info{};
  if (::dladdr(reinterpret_cast<void*>(&DefaultApplicationFolder), &info) != 0 && info.dli_fname != nullptr) {
    std::error_code ec;
    const auto lib = std::filesystem::weakly_canonical(info.dli_fname, ec).parent_path();
    const auto installed = lib.parent_path() / "share" / "sosi-export";
    if (std::filesystem::is_directory(installed / "WaterSewer", ec)) return platform::FromUtf8(installed.string());
  }
  return platform::FromUtf8(SOSI_SOURCE_DATA_DIR);
}

std::wstring Expand(const std::wstring& name) {
  if (name == L"APPATH") {
    std::wstring value = Env("LMWS_APPATH");
    return value.empty() ? DefaultApplicationFolder() : value;
  }
  if (name == L"CURRENTCONFIG") {
    std::wstring value = Env("LMWS_CURRENTCONFIG");
    return value.empty() ? L"Default" : value;
  }
  const std::wstring value = Env(("LMWS_" + platform::ToUtf8(name)).c_str());
  return value.empty() ? L"<" + name + L">" : value;
}

}  // namespace

std::wstring LmEnBuildFilename(const std::wstring& pattern, int, int) {
  std::wstring result;
  size_t i = 0;
  while (i < pattern.size()) {
    if (pattern[i] == L'<') {
      const size_t close = pattern.find(L'>', i + 1);
      if (close != std::wstring::npos) {
        result += Expand(pattern.substr(i + 1, close - i - 1));
        i = close + 1;
        continue;
      }
    }
    result += pattern[i++];
  }
  for (wchar_t& c : result) {
    if (c == L'\\') c = L'/';
  }
  return result;
}

std::wstring WsLmEnvUtils::GetConfigDb() {
  const std::wstring configured = Env("LMWS_CONFIGDB");
  if (!configured.empty()) return configured;
  return LmEnBuildFilename(L"<APPATH>\\WaterSewer\\Config\\<CURRENTCONFIG>\\WaterSewer_Config.db", 0, 0);
}
