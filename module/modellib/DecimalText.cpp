#include "DecimalText.h"

#include <charconv>
#include <cstdint>

namespace {

constexpr int kExactDigits = 15;  // 10^15 < 2^53: every such integer is a double
constexpr double kPowersOfTen[kExactDigits + 1] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

bool ReadAnyNumber(std::string_view text, double& value) {
  double read = 0.0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, read);
  if (text.empty() || error != std::errc() || stop != end) return false;
  value = read;
  return true;
}

}  // namespace

bool ReadDecimal(std::string_view text, double& value) {
  // Digits, at most one point, at most 15 digits in all: the digits as an
  // integer and the power of ten are both exact, so one division rounds
  // correctly and gives what from_chars gives (Clinger's fast path).
  std::size_t at = !text.empty() && text[0] == '-' ? 1 : 0;
  const bool negative = at == 1;
  std::uint64_t digits = 0;
  int count = 0;
  int decimals = 0;
  bool point = false;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (c >= '0' && c <= '9') {
      if (++count > kExactDigits) return ReadAnyNumber(text, value);
      digits = 10 * digits + static_cast<std::uint64_t>(c - '0');
      if (point) ++decimals;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return ReadAnyNumber(text, value);
    }
  }
  if (count == 0) return ReadAnyNumber(text, value);
  const double magnitude = static_cast<double>(digits) / kPowersOfTen[decimals];
  value = negative ? -magnitude : magnitude;
  return true;
}
