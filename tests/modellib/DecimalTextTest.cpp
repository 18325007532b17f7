#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "DecimalText.h"

namespace {

// What from_chars makes of the whole text, as bits (so that -0 and 0 differ).
std::optional<std::uint64_t> FromChars(const std::string& text) {
  double value = 0.0;
  const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || stop != text.data() + text.size()) return std::nullopt;
  return std::bit_cast<std::uint64_t>(value);
}

std::optional<std::uint64_t> Read(const std::string& text) {
  double value = 0.0;
  if (!ReadDecimal(text, value)) return std::nullopt;
  return std::bit_cast<std::uint64_t>(value);
}

}  // namespace

TEST(DecimalText, PlainDecimalsAreReadToTheSameBitsAsFromChars) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 200000; ++i) {
    std::string text = random() % 4 == 0 ? "-" : "";
    const int whole = static_cast<int>(random() % 12);
    const int decimals = static_cast<int>(random() % 10);
    for (int d = 0; d < whole; ++d) text += static_cast<char>('0' + random() % 10);
    if (decimals > 0 || random() % 2 == 0) text += '.';
    for (int d = 0; d < decimals; ++d) text += static_cast<char>('0' + random() % 10);
    ASSERT_EQ(Read(text), FromChars(text)) << text;
  }
}

TEST(DecimalText, EverythingElseIsLeftToFromChars) {
  for (const std::string text :
       {"597040.08", "-0", "-0.0", "0.1", "1.", ".5", "9007199254740993", "1234567890.123456789", "1e5", "-2.5E-3",
        "inf", "nan", "1e400", "", "-", ".", "..", "1.2.3", "+1", " 1", "1 ", "0x10", "12a", "--1"}) {
    EXPECT_EQ(Read(text), FromChars(text)) << text;
  }
}

TEST(DecimalText, ATextThatIsNoNumberLeavesTheValueAlone) {
  double value = 42.0;
  EXPECT_FALSE(ReadDecimal("1,5", value));
  EXPECT_EQ(value, 42.0);
  EXPECT_TRUE(ReadDecimal("6650004.98", value));
  EXPECT_EQ(value, 6650004.98);
}
