#include "LmWsSosiExportUI.h"

#include "LoadedModelSets.h"

LmWsSosiExportUI::LmWsSosiExportUI() = default;

LmWsSosiExportUI::~LmWsSosiExportUI() = default;
