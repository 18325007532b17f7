#include <gtest/gtest.h>

#include "OverviewContents.h"
#include "OverviewTags.h"

namespace {

std::vector<OverviewTag> Tags(std::wstring_view line) {
  OverviewTagScanner scanner;
  std::vector<OverviewTag> tags;
  for (const OverviewTagView& tag : scanner.Scan(line)) tags.push_back(CopyTag(tag));
  return tags;
}

}  // namespace

TEST(OverviewTags, IncompleteOrMisspeltCellsGiveNoTag) {
  EXPECT_TRUE(Tags(L"+;P1;=;320;.;01;-;SK").empty());         // no last cell
  EXPECT_TRUE(Tags(L" +;P1;=;320;.;01;-;SK;01").empty());     // blank before the plus
  EXPECT_TRUE(Tags(L"+;P1;=;320;.;01;-;SK;").empty());        // empty last part
  EXPECT_TRUE(Tags(L"+;;=;320;.;01;-;SK;01").empty());        // empty first part
  EXPECT_TRUE(Tags(L"+;P1;=;320;.;01;-;;;01").empty());       // empty cell where a part belongs
  EXPECT_TRUE(Tags(L"+;P1;=;320;,;01;-;SK;01").empty());      // wrong mark
  EXPECT_TRUE(Tags(L"\"+\";P1;=;320;.;01;-;SK;01").empty());  // quotes are text
}

TEST(OverviewTags, TagsOfALineKeepTheirOrderAndSurroundingCellsDoNotMatter) {
  // A "+" that starts no tag is passed over for the next one.
  const auto tags = Tags(L"x;+;+;P1;=;1;.;2;-;SP;7;+;P1;=;1;.;2;-;SK;01;;+;P2;=;3;.;4;-;K;1;rest");
  ASSERT_EQ(tags.size(), 3u);
  EXPECT_EQ(tags[0].text, L"+P1=1.2-SP7");
  EXPECT_EQ(tags[0].shortName, L"-SP7");
  EXPECT_EQ(tags[1].shortName, L"-SK01");
  EXPECT_EQ(tags[2].text, L"+P2=3.4-K1");
  EXPECT_EQ(tags[2].shortName, L"-K1");
}

