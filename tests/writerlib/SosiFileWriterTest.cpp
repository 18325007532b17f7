#include "SosiFileWriter.h"

#include <gtest/gtest.h>

#include <string>

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
