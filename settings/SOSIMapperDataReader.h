#pragma once
// Reads an export settings file into a new record. Any file that cannot be
// used (missing, malformed, another document element, a broken number in a
// table) gives null; nothing is reported, the caller decides what comes next.

#include <memory>
#include <string>
#include <string_view>

#include "SOSIMapperData.h"
#include "XmlAccess.h"

// A path without extension is looked for with ".xml" added. Fields whose
// element is missing keep their defaults; an element without text empties
// its field (FileFormat excepted: empty keeps 1).
std::unique_ptr<SOSIMapperData> LoadSOSIMapperData(const std::wstring& path);
// The same for the bytes of a settings file already in memory.
std::unique_ptr<SOSIMapperData> LoadSOSIMapperDataText(std::string_view bytes);

// Reads table elements of one kind, in document order, into `tables`. An
// element without FileMode goes under the FileMode before it (0 at first), a
// negative FileMode skips it, and a later table replaces an earlier one of
// the same FileMode. True when at least one table was taken. A FileMode or
// Group that is not a number raises XmlError.
bool ReadFeatureTables(const XmlNodeList* elements, FeatureTablesByFormat& tables);
