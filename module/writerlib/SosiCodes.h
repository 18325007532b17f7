#pragma once
// How the writer turns the texts it is given into SOSI values: codes out of
// code list entries, the coordinate system number, quality tokens and object
// type names.

#include <optional>
#include <string>
#include <string_view>

#include "CWsFeature.h"

namespace sosi_codes {

// The code of a code list entry: "P: Prosjektert" gives "P". An entry
// without ": " is taken whole. Blanks around the code are dropped.
std::wstring CodeOf(std::wstring_view entry);

// The number a text starts with, after leading blanks: "22: EUREF89 UTM32"
// gives 22. None when it does not start with a digit.
std::optional<int> LeadingNumber(std::wstring_view text);

// The vertical datum that a text names ("NN2000", "NN1954", "NN54"; letter
// case ignored), or empty.
std::wstring VerticalDatumIn(std::wstring_view text);

// True when every blank-separated token is a whole number or "*", as the
// one-line ..KVALITET form needs.
bool IsQualityTokens(std::wstring_view text);

// An ..OBJTYPE name made from a feature: its description (the code when it
// has none) as one word, each word capitalised, characters other than
// letters, digits and "_" dropped, at most 32 characters. Empty when nothing
// is left.
std::wstring ObjectTypeName(const CWsFeature& feature);

// The ..OBJTYPE name of a pipe whose type feature has a theme group (the
// feature's Group: 1 water, 2 sewage, 3 combined, 4 storm water, 5 drain,
// 50 duct), as Gemini VA names them; otherwise ObjectTypeName.
std::wstring PipeObjectTypeName(const CWsFeature& feature);

}  // namespace sosi_codes
