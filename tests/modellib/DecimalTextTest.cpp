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

TEST(DecimalText, ReadsEveryTextToTheSameBitsAsFromChars) {
  for (const std::string text : {"-0", "1.", ".5", "9007199254740993", "1e5", "inf", "", "-", ".", "1.2.3", "+1",
                                 " 1", "0x10", "1,5"}) {
    EXPECT_EQ(Read(text), FromChars(text)) << text;
  }
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
