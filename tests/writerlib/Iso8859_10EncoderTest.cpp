#include "Iso8859_10Encoder.h"

#include <gtest/gtest.h>

#include <string>

#include "SosiTestText.h"

namespace {

// glibc's own ISO-8859-10 table is the independent check of ours.
std::string Decode(const std::string& bytes) { return Recode(bytes, "ISO-8859-10", "UTF-8"); }

std::string Encoded(Iso8859_10Encoder& encoder, std::wstring_view text) {
  std::string bytes = "x";
  encoder.Encode(text, bytes);
  EXPECT_EQ(bytes.front(), 'x');  // appended, not replaced
  return bytes.substr(1);
}

std::wstring Wide(const std::string& utf8) {
  const std::string bytes = Recode(utf8, "UTF-8", "WCHAR_T");
  return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

}  // namespace

TEST(Iso8859_10Encoder, EveryCharacterOfTheSetRoundTrips) {
  std::string all;
  for (int byte = 0x20; byte <= 0xFF; ++byte) {
    if (byte < 0x7F || byte >= 0xA0) all.push_back(static_cast<char>(byte));
  }
  const std::wstring wide = Wide(Decode(all));
  ASSERT_EQ(wide.size(), all.size());

  Iso8859_10Encoder encoder;
  EXPECT_EQ(Encoded(encoder, wide), all);
  EXPECT_EQ(encoder.ReplacedCount(), 0u);
}

TEST(Iso8859_10Encoder, OtherCharactersAreTransliteratedOrBecomeQuestionMarksAndAreCounted) {
  const struct {
    std::wstring_view text;
    std::string bytes;
    std::size_t replaced;
    std::size_t unknown;
  } rows[] = {
      {L"A–B—C “Kum” ‘1’ 5 € osv…", "A-B-C \"Kum\" '1' 5 EUR osv...", 8, 0},
      {L"Crème brûlée à Ñandú Łódź Œuvre", "Creme br\xFBl\xE9" "e a Nand\xFA L\xF3" "dz OEuvre", 6, 0},
      {L"水管 ok", "?? ok", 2, 2},
      {L"a\u030Ab", "ab", 1, 0},  // a combining mark
  };
  for (const auto& row : rows) {
    Iso8859_10Encoder encoder;
    EXPECT_EQ(Encoded(encoder, row.text), row.bytes);
    EXPECT_EQ(encoder.ReplacedCount(), row.replaced);
    EXPECT_EQ(encoder.UnknownCount(), row.unknown);
  }
}
