#include <gtest/gtest.h>

#include "CodeLists.h"

namespace {

std::wstring Resolved(const CodeList& list, std::wstring value, const std::wstring& fallback) {
  ResolveListValue(list, value, fallback);
  return value;
}

}  // namespace

TEST(CodeLists, FindIgnoresCaseOfNorwegianLettersButNeedsTheWholeText) {
  EXPECT_EQ(FindInList(DefaultNetLevelList(), L"O: OVERFØRINGSNETT"), 3);
  EXPECT_EQ(FindInList({L"Å: Ærlig Öde Äng"}, L"å: æRLIG öDE äNG"), 0);
  EXPECT_EQ(FindInList(DefaultGeometryQualityXYList(), L"1"), -1);
  EXPECT_EQ(FindInList(DefaultStatusPipeList(), L"P: Prosjektert "), -1);
  EXPECT_EQ(FindInList({L"H: Hovednett", L"S: Stikknett", L"h: hovednett"}, L"h: HOVEDNETT"), 0);
}

TEST(CodeLists, UnknownValueTakesFallbackThenFirstEntry) {
  EXPECT_EQ(Resolved(DefaultStatusPipeList(), L"p: prosjektert", L"D: Drift"), L"p: prosjektert");
  EXPECT_EQ(Resolved(DefaultStatusPipeList(), L"", L"P: Prosjektert"), L"P: Prosjektert");
  EXPECT_EQ(Resolved(DefaultStatusList(), L"X: Ukjent", L""), L"E: Eksisterende");
  EXPECT_EQ(Resolved({L"D: Drift", L"N: Nedlagt"}, L"", L"P: Prosjektert"), L"D: Drift");
  EXPECT_EQ(Resolved(DefaultGeometryQualityZList(), L"7: Dig. kart/utmål", L"6: Prosjektert"), L"6: Prosjektert");
  EXPECT_EQ(Resolved({}, L"anything", L"P: Prosjektert"), L"anything");
}
