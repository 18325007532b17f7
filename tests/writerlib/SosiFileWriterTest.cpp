#include "SosiFileWriter.h"

#include <gtest/gtest.h>

#include <string>

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

