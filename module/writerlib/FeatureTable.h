#pragma once
// The mapping tables of the export settings, shared by the settings record
// and the SOSI writer.

#include <map>
#include <string>

#include "CWsFeature.h"

// Model value to SOSI code; keys ordered by plain code-unit comparison.
using FeatureTable = std::map<std::wstring, CWsFeature>;
// File format value to that variant's table.
using FeatureTablesByFormat = std::map<int, FeatureTable>;
