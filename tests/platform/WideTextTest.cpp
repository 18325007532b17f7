#include <gtest/gtest.h>

#include "WideText.h"

using platform::FromUtf8;
using platform::ToUtf8;

TEST(WideText, NorwegianLettersRoundTrip) {
  const std::wstring text = L"Vågå/Ledningsnett_ø Æble ÖÄ \U0001F6B0";
  EXPECT_EQ(ToUtf8(text), "V\xC3\xA5g\xC3\xA5/Ledningsnett_\xC3\xB8 \xC3\x86" "ble \xC3\x96\xC3\x84 \xF0\x9F\x9A\xB0");
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
}

TEST(WideText, InvalidBytesSurviveTheRoundTrip) {
  // Latin-1 "å", a truncated sequence, an overlong encoding and a stray continuation byte.
  for (const std::string& bytes : {std::string("V\xE5g\xE5.xml"), std::string("a\xC3"), std::string("\xC0\xAF"),
                                  std::string("x\x80y")}) {
    const std::wstring wide = FromUtf8(bytes);
    EXPECT_EQ(ToUtf8(wide), bytes);
  }
  EXPECT_EQ(FromUtf8("V\xE5g").size(), 3u);
}

TEST(WideText, LoneSurrogatesBecomeReplacementCharacters) {
  const std::wstring text{L'a', static_cast<wchar_t>(0xD800), L'b'};
  EXPECT_EQ(ToUtf8(text), "a\xEF\xBF\xBD" "b");
}
