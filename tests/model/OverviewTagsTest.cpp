#include <gtest/gtest.h>

#include "OverviewTags.h"

TEST(OverviewTags, NineCellsGiveOneTagWithItsTextAndShortName) {
  const auto tags = ParseOverviewTags(L"+;P1;=;320;.;01;-;SK;01");
  ASSERT_EQ(tags.size(), 1u);
  EXPECT_EQ(tags[0].text, L"+P1=320.01-SK01");
  EXPECT_EQ(tags[0].shortName, L"-SK01");
}

TEST(OverviewTags, IncompleteOrMisspeltCellsGiveNoTag) {
  EXPECT_TRUE(ParseOverviewTags(L"+;P1;=;320;.;01;-;SK").empty());         // no last cell
  EXPECT_TRUE(ParseOverviewTags(L" +;P1;=;320;.;01;-;SK;01").empty());     // blank before the plus
  EXPECT_TRUE(ParseOverviewTags(L"+;P1;=;320;.;01;-;SK;").empty());        // empty last part
  EXPECT_TRUE(ParseOverviewTags(L"+;;=;320;.;01;-;SK;01").empty());        // empty first part
  EXPECT_TRUE(ParseOverviewTags(L"+;P1;=;320;,;01;-;SK;01").empty());      // wrong mark
  EXPECT_TRUE(ParseOverviewTags(L"\"+\";P1;=;320;.;01;-;SK;01").empty());  // quotes are text
}

TEST(OverviewTags, TagsOfALineKeepTheirOrderAndSurroundingCellsDoNotMatter) {
  const auto tags = ParseOverviewTags(L"x;+;P1;=;1;.;2;-;SP;7;+;P1;=;1;.;2;-;SK;01;;+;P2;=;3;.;4;-;K;1;rest");
  ASSERT_EQ(tags.size(), 3u);
  EXPECT_EQ(tags[0].text, L"+P1=1.2-SP7");
  EXPECT_EQ(tags[1].shortName, L"-SK01");
  EXPECT_EQ(tags[2].text, L"+P2=3.4-K1");
}

TEST(OverviewTags, EveryPlusCellIsLookedAt) {
  // The first "+" starts no tag, the next one (its A cell) does.
  const auto tags = ParseOverviewTags(L"+;+;P1;=;320;.;01;-;SK;01");
  ASSERT_EQ(tags.size(), 1u);
  EXPECT_EQ(tags[0].text, L"+P1=320.01-SK01");
  EXPECT_EQ(SplitOverviewCells(L";a;;"), (std::vector<std::wstring_view>{L"", L"a", L"", L""}));
}
