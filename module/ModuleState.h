#pragma once
// What the module keeps between calls: whether it has been initialised, and
// the suite's path placeholders, built once at load.

#include <array>
#include <string>

struct ModuleState {
  bool initialised = false;

  static ModuleState& Get();
};

namespace Placeholders {
extern const std::wstring APPATH;
extern const std::wstring AUTOCAD;
extern const std::wstring BINARIES;
extern const std::wstring CURRENTCONFIG;
extern const std::wstring DEFAULTCONFIG;
extern const std::wstring LANGCODE;
extern const std::wstring LANGCOUNTRY;
extern const std::wstring LANGNAME;
extern const std::wstring MYLUMIRO;
extern const std::wstring LUMIROSHARED;
extern const std::wstring RESOURCES;
extern const std::wstring TEMP;
extern const std::wstring USERDATA;
extern const std::wstring CASTRELSHARED;
}  // namespace Placeholders
