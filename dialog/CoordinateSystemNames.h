#pragma once
// The name of the coordinate system a SOSI KOORDSYS code stands for, as the
// header page shows it beside "Koordinatsystem".

#include <string>

// "EUREF89 UTM sone 32" for "22"; empty for a text that is no known code.
std::wstring CoordinateSystemName(const std::wstring& code);
