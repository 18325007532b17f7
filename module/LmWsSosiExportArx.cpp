#include "LmWsSosiExportArx.h"

#include <string>

#include "LmWsSosiExportUI.h"

// The grid control keeps no library-wide state: each grid sets itself up
// when a page creates it, so construction has nothing more to prepare.
LmWsSosiExportArx::LmWsSosiExportArx() = default;
LmWsSosiExportArx::LmWsSosiExportArx(const LmWsSosiExportArx&) {}
LmWsSosiExportArx& LmWsSosiExportArx::operator=(const LmWsSosiExportArx&) { return *this; }
LmWsSosiExportArx::~LmWsSosiExportArx() = default;

bool LmWsSosiExportArx::Export(const wchar_t* modelPath, const wchar_t* selectionText) const {
  LmWsSosiExportUI controller;
  const std::wstring selection = selectionText != nullptr ? selectionText : L"";
  const std::wstring model = modelPath != nullptr ? modelPath : L"";
  return controller.ExportRun(model, selection);
}
