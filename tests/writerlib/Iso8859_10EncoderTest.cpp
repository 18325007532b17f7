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

TEST(Iso8859_10Encoder, NorwegianAndSamiLettersKeepTheirBytes) {
  Iso8859_10Encoder encoder;
  EXPECT_EQ(Encoded(encoder, L"ÆØÅæøå"), "\xC6\xD8\xC5\xE6\xF8\xE5");
  EXPECT_EQ(Decode(Encoded(encoder, L"Čáhcesuolu Ŋ ŧ đ")), "Čáhcesuolu Ŋ ŧ đ");
  EXPECT_EQ(encoder.ReplacedCount(), 0u);
}

TEST(Iso8859_10Encoder, TypographicMarksBecomeAscii) {
  Iso8859_10Encoder encoder;
  EXPECT_EQ(Encoded(encoder, L"A–B—C"), "A-B-C");
  EXPECT_EQ(Encoded(encoder, L"“Kum” ‘1’"), "\"Kum\" '1'");
  EXPECT_EQ(Encoded(encoder, L"5 €"), "5 EUR");
  EXPECT_EQ(Encoded(encoder, L"osv…"), "osv...");
  EXPECT_EQ(encoder.ReplacedCount(), 8u);
  EXPECT_EQ(encoder.UnknownCount(), 0u);
}

TEST(Iso8859_10Encoder, LettersWithOtherDiacriticsLoseThem) {
  Iso8859_10Encoder encoder;
  EXPECT_EQ(Encoded(encoder, L"Crème brûlée à Ñandú"), "Creme br\xFBl\xE9" "e a Nand\xFA");
  EXPECT_EQ(Encoded(encoder, L"Łódź Œuvre"), "L\xF3" "dz OEuvre");
  EXPECT_EQ(encoder.UnknownCount(), 0u);
}

TEST(Iso8859_10Encoder, CharactersWithoutTransliterationBecomeQuestionMarksAndAreCounted) {
  Iso8859_10Encoder encoder;
  EXPECT_EQ(Encoded(encoder, L"水管 ok"), "?? ok");
  EXPECT_EQ(encoder.ReplacedCount(), 2u);
  EXPECT_EQ(encoder.UnknownCount(), 2u);
}

TEST(Iso8859_10Encoder, CombiningMarksAreDroppedButCounted) {
  Iso8859_10Encoder encoder;
  EXPECT_EQ(Encoded(encoder, L"a\u030Ab"), "ab");
  EXPECT_EQ(encoder.ReplacedCount(), 1u);
}
