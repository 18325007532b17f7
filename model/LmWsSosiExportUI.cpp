#include "LmWsSosiExportUI.h"

#include "LoadedModelSets.h"

#include "ComRuntime.h"

// A failing CoInitialize does not stop the run, and its pair is called anyway.
LmWsSosiExportUI::LmWsSosiExportUI() { CoInitialize(nullptr); }

LmWsSosiExportUI::~LmWsSosiExportUI() { CoUninitialize(); }

void LmWsSosiExportUI::ReleaseModel() {
  trenchTopology_ = nullptr;
  sectionSegmentLinks_ = nullptr;
  loaded_.reset();
}
