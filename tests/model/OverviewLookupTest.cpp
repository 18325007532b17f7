#include "OverviewLookup.h"

#include <gtest/gtest.h>

#include <string>

namespace {

OverviewTagView Tag(const std::wstring& text) {
  const std::wstring_view view(text);
  return {view, view.substr(view.find(L'-'))};
}

}  // namespace

TEST(OverviewLookup, FirstTagsAndPipeLinesAreFoundByManholes) {
  const std::wstring sk1 = L"+P1=320.01-SK01", sk2 = L"+P1=320.01-SK02", sk3 = L"+P1=320.01-SK03";
  const std::wstring sp1 = L"+P1=320.01-SP01", sp2 = L"+P1=320.01-SP02", later = L"+P1=320.01-SP09";
  OverviewLookup lookup;
  const std::wstring otherSk1 = L"+P2=999.99-SK01";  // a later tag of the same short name is not used
  for (const std::wstring* manhole : {&sk1, &sk2, &otherSk1, &sk3}) lookup.ManholeTag(Tag(*manhole));
  lookup.PipeLine(Tag(sp1), Tag(sk1), Tag(sk2));
  lookup.PipeLine(Tag(sp2), Tag(sk2), Tag(sk3));
  lookup.PipeLine(Tag(later), Tag(sk1), Tag(sk2));  // a later line for the same pair is not used
  lookup.EndOfFiles();

  const std::uint32_t first = lookup.FindManholeTag(L"-SK01");
  const std::uint32_t second = lookup.FindManholeTag(L"-SK02");
  const std::uint32_t third = lookup.FindManholeTag(L"-SK03");
  ASSERT_TRUE(first != OverviewLookup::kNone && second != OverviewLookup::kNone && third != OverviewLookup::kNone);
  EXPECT_EQ(lookup.ManholeTagText(first), "+P1=320.01-SK01");
  EXPECT_EQ(lookup.FindManholeTag(L"-SK04"), OverviewLookup::kNone);
  EXPECT_EQ(lookup.FindPipeLine(first, second), "+P1=320.01-SP01");
  EXPECT_EQ(lookup.FindPipeLine(second, third), "+P1=320.01-SP02");
  // The order of the manholes counts.
  EXPECT_EQ(lookup.FindPipeLine(second, first), "");
  EXPECT_EQ(lookup.FindPipeLine(first, third), "");
}

TEST(OverviewLookup, TextsBeyondAsciiAreKeptAndFoundInUtf8) {
  const std::wstring kum = L"+Å1=320.01-KØ01", kum2 = L"+Å1=320.01-KØ\u20ac2", pipe = L"+Å1=320.01-LØP";
  OverviewLookup lookup;
  lookup.ManholeTag(Tag(kum));
  lookup.ManholeTag(Tag(kum2));
  lookup.PipeLine(Tag(pipe), Tag(kum2), Tag(kum));
  const std::uint32_t first = lookup.FindManholeTag(L"-KØ01");
  const std::uint32_t second = lookup.FindManholeTag(L"-KØ\u20ac2");
  ASSERT_NE(first, OverviewLookup::kNone);
  ASSERT_NE(second, OverviewLookup::kNone);
  EXPECT_EQ(lookup.ManholeTagText(first), "+\u00c51=320.01-K\u00d801");
  EXPECT_EQ(lookup.FindPipeLine(second, first), "+\u00c51=320.01-L\u00d8P");
  EXPECT_EQ(lookup.FindManholeTag(L"-KO01"), OverviewLookup::kNone);
}
