#include "ModuleState.h"

ModuleState& ModuleState::Get() {
  static ModuleState state;
  return state;
}

namespace Placeholders {
const std::wstring APPATH = L"<APPATH>";
const std::wstring AUTOCAD = L"<AUTOCAD>";
const std::wstring BINARIES = L"<BINARIES>";
const std::wstring CURRENTCONFIG = L"<CURRENTCONFIG>";
const std::wstring DEFAULTCONFIG = L"<DEFAULTCONFIG>";
const std::wstring LANGCODE = L"<LANGCODE>";
const std::wstring LANGCOUNTRY = L"<LANGCOUNTRY>";
const std::wstring LANGNAME = L"<LANGNAME>";
const std::wstring MYLUMIRO = L"<MYLUMIRO>";
const std::wstring LUMIROSHARED = L"<LUMIROSHARED>";
const std::wstring RESOURCES = L"<RESOURCES>";
const std::wstring TEMP = L"<TEMP>";
const std::wstring USERDATA = L"<USERDATA>";
const std::wstring CASTRELSHARED = L"<CASTRELSHARED>";
}  // namespace Placeholders
