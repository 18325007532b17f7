#include <gtest/gtest.h>

#include "OverviewContents.h"
#include "TempDir.h"
#include "WideText.h"

namespace {

const std::string kSk01 = "+;P1;=;320;.;01;-;SK;01";
const std::string kSk02 = "+;P1;=;320;.;01;-;SK;02";
const std::string kPipe = "+;P1;=;320;.;01;-;SP;01";

OverviewContents Read(const TempDir& dir, const std::string& bytes) {
  OverviewContents contents;
  ReadOverviewFile(platform::FromUtf8(dir.Write("file.csv", bytes).string()), contents);
  return contents;
}

}  // namespace

TEST(OverviewFile, AManholeFileGivesEveryTagOfEveryLineInOrder) {
  TempDir dir;
  const auto contents = Read(dir, "Tag;Navn\r\n" + kSk02 + ";Kum\r\n\r\n" + kSk01 + ";" + kSk02 + "\r\n" + kSk01);
  std::vector<std::wstring> shortNames;
  for (const OverviewTag& tag : contents.manholeTags) shortNames.push_back(tag.shortName);
  EXPECT_EQ(shortNames, (std::vector<std::wstring>{L"-SK02", L"-SK01", L"-SK02", L"-SK01"}));
  EXPECT_EQ(contents.manholeTags[1].text, L"+P1=320.01-SK01");
  EXPECT_TRUE(contents.pipeLines.empty());
}

TEST(OverviewFile, APipeFileGivesTheFirstThreeTagsOfLinesThatHaveThem) {
  TempDir dir;
  const auto contents = Read(dir, kPipe + ";" + kSk01 + ";" + kSk02 + "\n" + kPipe + ";" + kSk01 + "\n" + kPipe + ";" +
                                      kSk02 + ";" + kSk01 + ";" + kSk01 + "\n");
  ASSERT_EQ(contents.pipeLines.size(), 2u);
  EXPECT_EQ(contents.pipeLines[0].pipe.text, L"+P1=320.01-SP01");
  EXPECT_EQ(contents.pipeLines[0].first.shortName, L"-SK01");
  EXPECT_EQ(contents.pipeLines[0].second.shortName, L"-SK02");
  EXPECT_EQ(contents.pipeLines[1].first.shortName, L"-SK02");
  EXPECT_TRUE(contents.manholeTags.empty());
}

TEST(OverviewFile, FilesWithoutTagsOrWhoseFirstTaggedLineHasTwoTagsAreNotUsed) {
  TempDir dir;
  OverviewContents contents;
  ReadOverviewFile(platform::FromUtf8(dir.File("absent.csv").string()), contents);
  ReadOverviewFile(platform::FromUtf8(dir.Write("empty.csv", "a;b;c\n").string()), contents);
  ReadOverviewFile(platform::FromUtf8(dir.Write("two.csv", kPipe + ";" + kSk01 + "\n" + kPipe + ";" + kSk01 + ";" +
                                                               kSk02 + "\n").string()),
                   contents);
  EXPECT_TRUE(contents.manholeTags.empty());
  EXPECT_TRUE(contents.pipeLines.empty());
}

TEST(OverviewFile, AnsiAndUtf8TextAreBothRead) {
  TempDir dir;
  const auto ansi = Read(dir, "+;P1;=;320;.;01;-;S\xD8R;01\n");
  ASSERT_EQ(ansi.manholeTags.size(), 1u);
  EXPECT_EQ(ansi.manholeTags[0].shortName, L"-SØR01");
  // One byte that is not UTF-8 makes the whole file ANSI, also its first line.
  const auto mixed = Read(dir, "+;P1;=;320;.;01;-;S\xC3\x98R;01\n+;P1;=;320;.;01;-;S\xD8R;02\n");
  ASSERT_EQ(mixed.manholeTags.size(), 2u);
  EXPECT_EQ(mixed.manholeTags[0].shortName, L"-S\u00C3\u02DCR01");
  // A UTF-8 byte order mark is not part of the first cell.
  const auto marked = Read(dir, "\xEF\xBB\xBF+;P1;=;320;.;01;-;S\xC3\x98R;01\r\n");
  ASSERT_EQ(marked.manholeTags.size(), 1u);
  EXPECT_EQ(marked.manholeTags[0].text, L"+P1=320.01-SØR01");
}
