#pragma once
// The writer's own table from the material names a model uses to the SOSI
// material codes (docs/sosi-output.md lists it): the plain and GISLINE
// variants have no materials page, and a Gemini model material that the
// user's table leaves without a code is written by it too.

#include <string_view>

namespace sosi_codes {

// The material code for a model's material text or short material text,
// matched by MatchKey ("Duktilt støpejern", "sjk" and "Seigjern" give "SJK");
// empty when the table has no entry for it.
std::wstring_view MaterialCode(std::wstring_view text);

}  // namespace sosi_codes
