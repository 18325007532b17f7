#include "CoordinateSystemNames.h"

#include <array>
#include <charconv>

#include "WideText.h"

namespace {

// Codes first..last name zones or axes numbered from `firstNumber` on.
struct CodeRange {
  int first;
  int last;
  const wchar_t* name;
  int firstNumber;  // 0: the name stands alone
};

constexpr std::array<CodeRange, 9> kRanges = {{
    {9, 9, L"NGO1948 geografisk", 0},
    {19, 26, L"EUREF89 UTM sone ", 29},
    {31, 36, L"ED50 UTM sone ", 31},
    {50, 50, L"ED50 geografisk", 0},
    {59, 66, L"WGS84 UTM sone ", 29},
    {84, 84, L"EUREF89 geografisk", 0},
    {99, 99, L"Brukerdefinert", 0},
    {184, 184, L"WGS84 geografisk", 0},
    {205, 230, L"EUREF89 NTM sone ", 5},
}};

constexpr std::array<const wchar_t*, 8> kNgoAxes = {L"I", L"II", L"III", L"IV", L"V", L"VI", L"VII", L"VIII"};
constexpr std::array<const wchar_t*, 4> kMoreGrids = {L"NGO-56A (Møre)", L"NGO-56B (Møre)", L"NGO-64A (Møre)",
                                                      L"NGO-64B (Møre)"};
constexpr std::array<const wchar_t*, 7> kLocalGrids = {L"Oslo", L"Bærum", L"Asker", L"Lillehammer",
                                                       L"Drammen", L"Bergen/Askøy", L"Trondheim"};

}  // namespace

std::wstring CoordinateSystemName(const std::wstring& code) {
  const std::string text = platform::ToUtf8(code);
  const size_t begin = text.find_first_not_of(' ');
  const size_t end = text.find_last_not_of(' ');
  if (begin == std::string::npos) return {};
  int value = 0;
  const auto [rest, error] = std::from_chars(text.data() + begin, text.data() + end + 1, value);
  if (error != std::errc() || rest != text.data() + end + 1) return {};

  if (value >= 1 && value <= 8) return std::wstring(L"NGO1948 Gauss-Krüger akse ") + kNgoAxes[value - 1];
  if (value >= 51 && value <= 54) return kMoreGrids[value - 51];
  if (value >= 101 && value <= 107) return std::wstring(L"Lokalt nett ") + kLocalGrids[value - 101];
  for (const CodeRange& range : kRanges) {
    if (value < range.first || value > range.last) continue;
    if (range.firstNumber == 0) return range.name;
    return range.name + std::to_wstring(range.firstNumber + value - range.first);
  }
  return {};
}
