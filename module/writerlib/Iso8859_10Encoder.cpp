#include "Iso8859_10Encoder.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

// The characters of bytes 0xA0..0xFF; bytes below 0xA0 are the code points
// themselves.
constexpr std::array<char32_t, 96> kUpperHalf = {
    0x00A0, 0x0104, 0x0112, 0x0122, 0x012A, 0x0128, 0x0136, 0x00A7,
    0x013B, 0x0110, 0x0160, 0x0166, 0x017D, 0x00AD, 0x016A, 0x014A,
    0x00B0, 0x0105, 0x0113, 0x0123, 0x012B, 0x0129, 0x0137, 0x00B7,
    0x013C, 0x0111, 0x0161, 0x0167, 0x017E, 0x2015, 0x016B, 0x014B,
    0x0100, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x012E,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x0116, 0x00CD, 0x00CE, 0x00CF,
    0x00D0, 0x0145, 0x014C, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x0168,
    0x00D8, 0x0172, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x0101, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x012F,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x0117, 0x00ED, 0x00EE, 0x00EF,
    0x00F0, 0x0146, 0x014D, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x0169,
    0x00F8, 0x0173, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x0138,
};

// Latin letters whose diacritic the set lacks, and their base letters, in
// the same order.
constexpr std::wstring_view kAccented =
    L"ÀÇÈÊÌÑÒÙàçèêìñòùÿĂăĆćĈĉĊċĎďĔĕĚěĜĝĞğĠġĤĥĬĭİĴĵĹĺĽľŃńŇňŎŏŐőŔŕŖŗŘřŚśŜŝŞşŢţŤťŬŭŮůŰűŴŵŶŷŸŹźŻż";
constexpr std::string_view kBaseLetters =
    "ACEEINOUaceeinouyAaCcCcCcDdEeEeGgGgGgHhIiIJjLlLlNnNnOoOoRrRrRrSsSsSsTtTtUuUuUuWwYyYZzZz";
static_assert(kAccented.size() == kBaseLetters.size());

struct Spelling {
  char32_t character;
  const char* ascii;
};

// Everything else that has an ASCII spelling. Sorted by character.
constexpr Spelling kSpellings[] = {
    {0x00A1, "!"},   {0x00A2, "c"},    {0x00A3, "GBP"},  {0x00A6, "|"},    {0x00A8, "\""},
    {0x00A9, "(C)"}, {0x00AA, "a"},    {0x00AB, "\""},   {0x00AC, "-"},    {0x00AE, "(R)"},
    {0x00AF, "-"},   {0x00B1, "+/-"},  {0x00B2, "2"},    {0x00B3, "3"},    {0x00B4, "'"},
    {0x00B5, "u"},   {0x00B8, ","},    {0x00B9, "1"},    {0x00BA, "o"},    {0x00BB, "\""},
    {0x00BC, "1/4"}, {0x00BD, "1/2"},  {0x00BE, "3/4"},  {0x00BF, "?"},    {0x00D7, "x"},
    {0x00F7, "/"},   {0x0126, "H"},    {0x0127, "h"},    {0x0131, "i"},    {0x0132, "IJ"},
    {0x0133, "ij"},  {0x013F, "L"},    {0x0140, "l"},    {0x0141, "L"},    {0x0142, "l"},
    {0x0149, "'n"},  {0x0152, "OE"},   {0x0153, "oe"},   {0x017F, "s"},    {0x2000, " "},
    {0x2001, " "},   {0x2002, " "},    {0x2003, " "},    {0x2004, " "},    {0x2005, " "},
    {0x2006, " "},   {0x2007, " "},    {0x2008, " "},    {0x2009, " "},    {0x200A, " "},
    {0x200B, ""},    {0x200C, ""},     {0x200D, ""},     {0x2010, "-"},    {0x2011, "-"},
    {0x2012, "-"},   {0x2013, "-"},    {0x2014, "-"},    {0x2018, "'"},    {0x2019, "'"},
    {0x201A, "'"},   {0x201B, "'"},    {0x201C, "\""},   {0x201D, "\""},   {0x201E, "\""},
    {0x201F, "\""},  {0x2022, "*"},    {0x2026, "..."},  {0x202F, " "},    {0x2032, "'"},
    {0x2033, "\""},  {0x205F, " "},    {0x20AC, "EUR"},  {0x2122, "TM"},   {0x2212, "-"},
    {0x2264, "<="},  {0x2265, ">="},   {0x3000, " "},    {0xFEFF, ""},
};

bool IsCombiningMark(char32_t c) { return c >= 0x0300 && c <= 0x036F; }

// The bytes of the set's characters from 0xA0 to 0x17F (0 where there is
// none), and the one character of the set above them: a table lookup, since
// Norwegian letters come often and other characters must not cost a search.
constexpr char32_t kTableEnd = 0x180;
constexpr char32_t kHorizontalBar = 0x2015;
constexpr unsigned char kHorizontalBarByte = 0xBD;
constexpr auto kLatinBytes = [] {
  std::array<unsigned char, kTableEnd - 0xA0> bytes{};
  for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
    if (kUpperHalf[i] < kTableEnd) bytes[kUpperHalf[i] - 0xA0] = static_cast<unsigned char>(0xA0 + i);
  }
  return bytes;
}();
static_assert(std::count_if(kUpperHalf.begin(), kUpperHalf.end(), [](char32_t c) { return c >= kTableEnd; }) == 1 &&
              kUpperHalf[kHorizontalBarByte - 0xA0] == kHorizontalBar);

// Byte for a character of the set, or 0 when it is not in the set above 0x9F.
unsigned char UpperHalfByte(char32_t c) {
  if (c < kTableEnd) return kLatinBytes[c - 0xA0];
  return c == kHorizontalBar ? kHorizontalBarByte : 0;
}

bool IsOwnByte(wchar_t c) { return static_cast<char32_t>(c) < 0xA0; }

constexpr bool SpellingsFit() {
  for (const Spelling& spelling : kSpellings) {
    if (std::string_view(spelling.ascii).size() > Iso8859_10Encoder::kMaxBytesPerCharacter) return false;
  }
  return true;
}
static_assert(SpellingsFit());

}  // namespace

void Iso8859_10Encoder::Encode(std::wstring_view text, std::string& out) {
  const std::size_t from = out.size();
  out.resize(from + kMaxBytesPerCharacter * text.size());
  out.resize(static_cast<std::size_t>(Encode(text, out.data() + from) - out.data()));
}

char* Iso8859_10Encoder::Encode(std::wstring_view text, char* out) {
  for (const wchar_t c : text) {
    if (IsOwnByte(c)) {
      *out++ = static_cast<char>(c);
    } else {
      out = Append(c, out);
    }
  }
  return out;
}

char* Iso8859_10Encoder::Append(wchar_t wc, char* out) {
  const auto c = static_cast<char32_t>(wc);
  if (const unsigned char byte = UpperHalfByte(c); byte != 0) {
    *out++ = static_cast<char>(byte);
    return out;
  }
  ++replaced_;
  if (const auto pos = kAccented.find(wc); pos != std::wstring_view::npos) {
    *out++ = kBaseLetters[pos];
    return out;
  }
  // A combining mark after its letter: the letter stands without it.
  if (IsCombiningMark(c)) return out;
  const auto* it = std::lower_bound(std::begin(kSpellings), std::end(kSpellings), c,
                                    [](const Spelling& s, char32_t v) { return s.character < v; });
  if (it != std::end(kSpellings) && it->character == c) {
    const std::string_view ascii = it->ascii;
    return std::copy(ascii.begin(), ascii.end(), out);
  }
  ++unknown_;
  *out++ = '?';
  return out;
}
