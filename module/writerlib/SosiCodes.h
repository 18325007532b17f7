#pragma once
// How the writer turns the texts it is given into SOSI values: codes out of
// code list entries, the coordinate system number, quality tokens and object
// type names.

#include <optional>
#include <string>
#include <string_view>

#include "CWsFeature.h"

namespace sosi_codes {

// A text as the code tables compare it: upper case (ASCII and Latin-1 letters),
// without blanks, hyphens and full stops.
std::wstring MatchKey(std::wstring_view text);

// The code of a code list entry: "P: Prosjektert" gives "P". An entry
// without ": " is taken whole. Blanks around the code are dropped.
std::wstring CodeOf(std::wstring_view entry);

// The number a text starts with, after leading blanks: "22: EUREF89 UTM32"
// gives 22. None when it does not start with a digit.
std::optional<int> LeadingNumber(std::wstring_view text);

// The ...KOORDSYS datum token that a header text names, ignoring case, blanks
// and hyphens: "Euref 89", "EUREF89" and "ETRS89" give "EUREF89"; NGO 1948,
// ED 50 and WGS 84 give "NGO48", "ED50", "WGS84". Empty for any other text.
std::wstring DatumToken(std::wstring_view text);

// The ...KOORDSYS projection token a text names: "UTM", "NGO" or "GEO"
// (letter case and blanks ignored); empty for any other text.
std::wstring ProjectionToken(std::wstring_view text);

// The ...VERT-DATUM token of a height system: "NN2000", "NN54" (also for
// "NN1954"), "NNN57", "NKG89", "LOKAL" or "ELLIP"; empty for any other text.
std::wstring VerticalDatumToken(std::wstring_view text);

// The Gemini owner code a text is (K, I, P, P1, F, S, S1-S3, K1, K2, AN;
// letter case ignored), in upper case; empty when it is none of them.
std::wstring OwnerCode(std::wstring_view text);

// True for the network types a pipe can belong to: H, O, F, S, S6.
bool IsNetworkType(std::wstring_view code);

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
