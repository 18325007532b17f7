#pragma once
// The coordinate units of the files we write: ORIGO-NØ 0 0 and ENHET 0.01,
// so that coordinates and heights are whole centimetres, written as
// integers. Centimetre values of Norwegian projected coordinates (about
// 8e8) are far inside the range of the 64-bit integers we format.

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace sosi_units {

inline constexpr const wchar_t* kUnitText = L"0.01";
inline constexpr double kUnitsPerMetre = 100.0;

inline long long ToUnits(double metres) { return std::llround(metres * kUnitsPerMetre); }

// A whole number as decimal text, whatever the process locale.
inline std::wstring Decimal(long long value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::wstring(buffer, result.ptr);
}

// The same text in a buffer of its own, for a value written straight away:
// making it allocates nothing.
class DecimalText {
 public:
  DecimalText() = default;  // empty
  explicit DecimalText(long long value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    for (const char* at = digits; at != result.ptr; ++at) text_[size_++] = static_cast<wchar_t>(*at);
  }
  std::wstring_view View() const { return {text_, size_}; }

 private:
  wchar_t text_[24];
  std::size_t size_ = 0;
};

}  // namespace sosi_units
