#include "SosiFileWriter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A sink that refuses everything from the n-th write on.
class FailingSink : public ByteSink {
 public:
  explicit FailingSink(int goodWrites) : goodWrites_(goodWrites) {}
  bool Write(std::string_view) override { return goodWrites_-- > 0; }

 private:
  int goodWrites_;
};

}  // namespace

TEST(SosiFileWriter, StreamsGroupsElementsAndCoordinateLinesWithCrLf) {
  MemorySink sink;
  SosiFileWriter writer(sink);
  writer.BeginHeader();
  writer.Element(2, L"OMRÅDE");
  writer.Tokens(3, L"MIN-NØ", L"7034123 569012");
  EXPECT_EQ(writer.BeginObject(L"KURVE"), 1);
  writer.Text(2, L"OBJTYPE", L"Spillvannsledning");
  writer.Element(2, L"NØH");
  writer.Coordinate(703412345, 56901234, 1080);
  EXPECT_EQ(writer.BeginObject(L"PUNKT"), 2);
  writer.Element(2, L"NØ");
  writer.Coordinate(-5, 0);
  writer.End();
  EXPECT_EQ(sink.Bytes(),
            ".HODE\r\n..OMR\xC5" "DE\r\n...MIN-N\xD8 7034123 569012\r\n.KURVE 1:\r\n..OBJTYPE Spillvannsledning\r\n"
            "..N\xD8H\r\n703412345 56901234 1080\r\n.PUNKT 2:\r\n..N\xD8\r\n-5 0\r\n.SLUTT\r\n");
  EXPECT_FALSE(writer.Failed());
  EXPECT_EQ(writer.ObjectCount(), 2);
}

TEST(SosiFileWriter, QuotesValuesWithBlanksAndSpecialCharactersAndBlanksControlCharacters) {
  const std::pair<std::string, std::string> rows[] = {
      {"SP", "SP"},           {"+P1=320.01-SK01", "+P1=320.01-SK01"}, {"NS-EN 1401-1", "\"NS-EN 1401-1\""},
      {"", "\"\""},           {"a\"b", "\"a\"\"b\""},                  {"it's", "\"it's\""},
      {"kum!", "\"kum!\""},   {"12:", "\"12:\""},                     {".5", "\".5\""},
      {"*", "\"*\""},         {"0.5", "0.5"},                         {"Kum\r\nved\tveg", "\"Kum  ved veg\""},
  };
  for (const auto& [value, written] : rows) EXPECT_EQ(SosiFileWriter::QuoteIfNeeded(value), written) << value;
}

TEST(SosiFileWriter, QuotingIsDecidedAfterTransliterationAndTextsFollowTokens) {
  MemorySink sink;
  SosiFileWriter writer(sink);
  writer.Text(2, L"NAVN", L"“Kum”");
  writer.Text(2, L"NAVN", L"A\u2009B");
  const std::wstring_view texts[] = {L"Euref 89", L"UTM"};
  writer.Values(3, L"KOORDSYS", L"22 *", texts);
  writer.Flush();
  EXPECT_EQ(sink.Bytes(), "..NAVN \"\"\"Kum\"\"\"\r\n..NAVN \"A B\"\r\n...KOORDSYS 22 * \"Euref 89\" UTM\r\n");
}

TEST(SosiFileWriter, ShortensValuesThatWouldMakeTooLongALine) {
  MemorySink sink;
  SosiFileWriter writer(sink);
  writer.Text(2, L"MERKNAD", std::wstring(600, L'a') + L" " + std::wstring(600, L'"'));
  writer.Text(2, L"NAVN", std::wstring(2000, L'b'));
  writer.Flush();
  const std::string bytes = sink.Bytes();
  const auto firstEnd = bytes.find("\r\n");
  // A doubled quote is never split, so the line may end one byte short.
  EXPECT_GE(firstEnd + 2, SosiFileWriter::kMaxLineBytes - 1);
  EXPECT_LE(firstEnd + 2, SosiFileWriter::kMaxLineBytes);
  EXPECT_EQ(bytes.substr(firstEnd - 3, 3), "\"\"\"");
  EXPECT_EQ(bytes.size() - firstEnd - 2, SosiFileWriter::kMaxLineBytes);
  EXPECT_EQ(writer.ShortenedValues(), 2u);
}

TEST(SosiFileWriter, ReportsAFailingSink) {
  FailingSink sink(1);
  SosiFileWriter writer(sink);
  writer.BeginHeader();
  writer.Flush();
  writer.Element(2, L"TRANSPAR");
  EXPECT_FALSE(writer.Failed());
  writer.End();
  EXPECT_TRUE(writer.Failed());
}

TEST(SosiFileWriter, LinesReachTheSinkInBlocksWholeAndInOrder) {
  MemorySink sink;
  SosiFileWriter writer(sink);
  std::string expected;
  // A few megabytes: blocks handed on while lines are made, and a rest at the end.
  for (long long line = 0; expected.size() < (3u << 20) + 100; ++line) {
    writer.Coordinate(line, -line);
    expected += std::to_string(line) + " " + std::to_string(-line) + "\r\n";
    writer.Text(3, L"NAVN", L"Kum \"" + std::to_wstring(line) + L"\"");
    expected += "...NAVN \"Kum \"\"" + std::to_string(line) + "\"\"\"\r\n";
  }
  EXPECT_LT(sink.Bytes().size(), expected.size());
  EXPECT_GT(sink.Bytes().size(), 2u << 20);
  writer.End();
  EXPECT_TRUE(sink.Bytes() == expected + ".SLUTT\r\n");
}

TEST(SosiFileWriter, LinesFromALineHeadReadAsFromLevelAndName) {
  MemorySink byName;
  MemorySink byHead;
  SosiFileWriter named(byName);
  SosiFileWriter headed(byHead);
  const std::wstring_view texts[] = {L"SP 160 PVC"};
  named.Values(3, L"SKJØTEMETODE", L"", texts);
  named.Tokens(2, L"KVALITET", L"20 2 2");
  named.Element(2, L"EGS_LEDNING");
  headed.Values(headed.LineHead(3, L"SKJØTEMETODE"), L"", texts);
  headed.Tokens(headed.LineHead(2, L"KVALITET"), L"20 2 2");
  headed.Element(headed.LineHead(2, L"EGS_LEDNING"));
  named.Flush();
  headed.Flush();
  EXPECT_EQ(byHead.Bytes(), "...SKJ\xD8TEMETODE \"SP 160 PVC\"\r\n..KVALITET 20 2 2\r\n..EGS_LEDNING\r\n");
  EXPECT_EQ(byHead.Bytes(), byName.Bytes());
}
