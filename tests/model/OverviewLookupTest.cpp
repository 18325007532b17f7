#include "OverviewLookup.h"

#include <gtest/gtest.h>

#include <string>

namespace {

OverviewTagView Tag(const std::wstring& text) {
  const std::wstring_view view(text);
  return {view, view.substr(view.find(L'-'))};
}

}  // namespace

TEST(OverviewLookup, FirstTagsAndPipeLinesAreFoundByTextsAndByManholesAlike) {
  const std::wstring sk1 = L"+P1=320.01-SK01", sk2 = L"+P1=320.01-SK02", sk3 = L"+P1=320.01-SK03";
  const std::wstring sp1 = L"+P1=320.01-SP01", sp2 = L"+P1=320.01-SP02", later = L"+P1=320.01-SP09";
  OverviewLookup lookup;
  const std::wstring otherSk1 = L"+P2=999.99-SK01";  // a later tag of the same short name is not used
  for (const std::wstring* manhole : {&sk1, &sk2, &otherSk1, &sk3}) lookup.ManholeTag(Tag(*manhole));
  lookup.PipeLine(Tag(sp1), Tag(sk1), Tag(sk2));
  lookup.PipeLine(Tag(sp2), Tag(sk2), Tag(sk3));
  lookup.PipeLine(Tag(later), Tag(sk1), Tag(sk2));  // a later line for the same pair is not used

  const OverviewTagView* first = lookup.FindManholeTag(L"-SK01");
  const OverviewTagView* second = lookup.FindManholeTag(L"-SK02");
  const OverviewTagView* third = lookup.FindManholeTag(L"-SK03");
  ASSERT_TRUE(first != nullptr && second != nullptr && third != nullptr);
  EXPECT_EQ(first->text, sk1);
  EXPECT_EQ(first->shortName, L"-SK01");
  EXPECT_EQ(lookup.FindManholeTag(L"-SK04"), nullptr);
  EXPECT_EQ(lookup.FindPipeLine(sk1, sk2), sp1);
  EXPECT_EQ(lookup.FindPipeLine(*first, *second), sp1);
  EXPECT_EQ(lookup.FindPipeLine(*second, *third), sp2);
  // The order of the manholes counts.
  EXPECT_EQ(lookup.FindPipeLine(*second, *first), L"");
  EXPECT_EQ(lookup.FindPipeLine(sk2, sk1), L"");
  EXPECT_EQ(lookup.FindPipeLine(*first, *third), L"");
  EXPECT_EQ(lookup.FindPipeLine(L"+P1=320.01-SK04", sk1), L"");
}
