#include <gtest/gtest.h>

#include <algorithm>

#include "CodeLists.h"

namespace {

std::wstring Resolved(const CodeList& list, std::wstring value, const std::wstring& fallback) {
  ResolveListValue(list, value, fallback);
  return value;
}

}  // namespace

TEST(CodeLists, FallbackEntriesStandWhereTheDialogExpectsThem) {
  EXPECT_EQ(DefaultNetLevelList().size(), 4u);
  EXPECT_EQ(DefaultNetLevelList().front(), L"H: Hovednett");
  ASSERT_EQ(DefaultStatusList().size(), 14u);
  EXPECT_EQ(DefaultStatusList().front(), L"E: Eksisterende");
  EXPECT_EQ(DefaultStatusList().back(), L"W: Planlagt prosjektert");
  EXPECT_EQ(FindInList(DefaultStatusPipeList(), L"P: Prosjektert"), 7);
  EXPECT_EQ(FindInList(DefaultStatusConnectionList(), L"P: Prosjektert"), 4);
  EXPECT_EQ(FindInList(DefaultGeometryQualityXYList(), L"10: Prosjektert"), 2);
  EXPECT_EQ(FindInList(DefaultGeometryQualityZList(), L"6: Prosjektert"), 6);
}

TEST(CodeLists, QualityXYCodesAreSortedAsTextAndZHasNoCodes7And8) {
  const CodeList xy = DefaultGeometryQualityXYList();
  EXPECT_EQ(xy.size(), 12u);
  std::vector<std::wstring> codes;
  for (const std::wstring& entry : xy) codes.push_back(entry.substr(0, entry.find(L':')));
  EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
  EXPECT_EQ(codes[2], L"10");
  const CodeList z = DefaultGeometryQualityZList();
  EXPECT_EQ(z.size(), 8u);
  for (const std::wstring& entry : z) {
    EXPECT_NE(entry.substr(0, 2), L"7:");
    EXPECT_NE(entry.substr(0, 2), L"8:");
  }
}

TEST(CodeLists, FindIgnoresCaseOfNorwegianLettersToo) {
  EXPECT_EQ(FindInList(DefaultStatusPipeList(), L"p: prosjektert"), 7);
  EXPECT_EQ(FindInList(DefaultNetLevelList(), L"O: OVERFØRINGSNETT"), 3);
  EXPECT_EQ(FindInList(DefaultGeometryQualityZList(), L"0: høyde ikke bestemt"), 0);
  EXPECT_EQ(FindInList({L"Å: Ærlig Öde Äng"}, L"å: æRLIG öDE äNG"), 0);
}

TEST(CodeLists, FindNeedsTheWholeTextAndGivesTheFirstMatch) {
  const CodeList xy = DefaultGeometryQualityXYList();
  EXPECT_EQ(FindInList(xy, L"1: Markinnmåling"), 1);
  EXPECT_EQ(FindInList(xy, L"1"), -1);
  EXPECT_EQ(FindInList(DefaultStatusPipeList(), L"P: Prosjektert "), -1);
  EXPECT_EQ(FindInList(DefaultStatusPipeList(), L""), -1);
  EXPECT_EQ(FindInList({}, L"P: Prosjektert"), -1);
  EXPECT_EQ(FindInList({L"H: Hovednett", L"S: Stikknett", L"h: hovednett"}, L"h: HOVEDNETT"), 0);
}

TEST(CodeLists, ValueFoundIgnoringCaseKeepsItsSpelling) {
  EXPECT_EQ(Resolved(DefaultStatusPipeList(), L"p: prosjektert", L"D: Drift"), L"p: prosjektert");
}

TEST(CodeLists, UnknownValueTakesFallbackThenFirstEntry) {
  EXPECT_EQ(Resolved(DefaultStatusPipeList(), L"", L"P: Prosjektert"), L"P: Prosjektert");
  EXPECT_EQ(Resolved(DefaultStatusList(), L"X: Ukjent", L""), L"E: Eksisterende");
  EXPECT_EQ(Resolved(DefaultNetLevelList(), L"", L""), L"H: Hovednett");
  EXPECT_EQ(Resolved({L"D: Drift", L"N: Nedlagt"}, L"", L"P: Prosjektert"), L"D: Drift");
  EXPECT_EQ(Resolved(DefaultGeometryQualityZList(), L"7: Dig. kart/utmål", L"6: Prosjektert"), L"6: Prosjektert");
  EXPECT_EQ(Resolved(DefaultGeometryQualityXYList(), L"15: Antatt/estimert", L"10: Prosjektert"),
            L"15: Antatt/estimert");
}

TEST(CodeLists, EmptyListLeavesTheValue) {
  EXPECT_EQ(Resolved({}, L"anything", L"P: Prosjektert"), L"anything");
}
