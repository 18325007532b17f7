#include "SosiCodes.h"

#include <algorithm>

namespace sosi_codes {

namespace {

// FYBA keeps the first 32 characters of an object type.
constexpr std::size_t kMaxObjectTypeLength = 32;

std::wstring_view Trim(std::wstring_view text) {
  const auto first = text.find_first_not_of(L' ');
  if (first == std::wstring_view::npos) return {};
  const auto last = text.find_last_not_of(L' ');
  return text.substr(first, last - first + 1);
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

bool IsWholeNumber(std::wstring_view token) {
  std::size_t i = (!token.empty() && token.front() == L'-') ? 1 : 0;
  if (i == token.size()) return false;
  for (; i < token.size(); ++i) {
    if (!IsDigit(token[i])) return false;
  }
  return true;
}

// Upper case for ASCII and Latin-1 letters, whatever the process locale.
wchar_t UpperLatin1(wchar_t c) {
  if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<wchar_t>(c - 0x20);
  return c;
}

// Letters of the Latin-1 and Latin Extended-A blocks, digits and "_".
bool IsNameCharacter(wchar_t c) {
  if ((c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || IsDigit(c) || c == L'_') return true;
  return c >= 0xC0 && c <= 0x17F && c != 0xD7 && c != 0xF7;
}

std::wstring Upper(std::wstring_view text) {
  std::wstring upper;
  for (wchar_t c : text) upper.push_back(UpperLatin1(c));
  return upper;
}

template <std::size_t N>
std::wstring_view Lookup(const std::pair<std::wstring_view, std::wstring_view> (&table)[N], std::wstring_view text) {
  const std::wstring key = MatchKey(text);
  for (const auto& [name, token] : table) {
    if (key == name) return token;
  }
  return {};
}

}  // namespace

std::wstring MatchKey(std::wstring_view text) {
  std::wstring key;
  for (wchar_t c : text) {
    if (c != L' ' && c != L'-' && c != L'.' && c != L'\t') key.push_back(UpperLatin1(c));
  }
  return key;
}

std::wstring CodeOf(std::wstring_view entry) {
  const auto separator = entry.find(L": ");
  return std::wstring(Trim(separator == std::wstring_view::npos ? entry : entry.substr(0, separator)));
}

std::optional<int> LeadingNumber(std::wstring_view text) {
  const auto first = text.find_first_not_of(L' ');
  if (first == std::wstring_view::npos || !IsDigit(text[first])) return std::nullopt;
  long long value = 0;
  for (std::size_t i = first; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - L'0');
    if (value > 99999) return std::nullopt;
  }
  return static_cast<int>(value);
}

std::wstring DatumToken(std::wstring_view text) {
  static constexpr std::pair<std::wstring_view, std::wstring_view> kDatums[] = {
      {L"EUREF89", L"EUREF89"}, {L"ETRS89", L"EUREF89"}, {L"NGO48", L"NGO48"}, {L"NGO1948", L"NGO48"},
      {L"ED50", L"ED50"},       {L"ED1950", L"ED50"},    {L"WGS84", L"WGS84"}, {L"WGS1984", L"WGS84"}};
  return std::wstring(Lookup(kDatums, text));
}

std::wstring ProjectionToken(std::wstring_view text) {
  static constexpr std::pair<std::wstring_view, std::wstring_view> kProjections[] = {
      {L"UTM", L"UTM"}, {L"NGO", L"NGO"}, {L"GEO", L"GEO"}};
  return std::wstring(Lookup(kProjections, text));
}

std::wstring VerticalDatumToken(std::wstring_view text) {
  static constexpr std::pair<std::wstring_view, std::wstring_view> kHeightSystems[] = {
      {L"NN2000", L"NN2000"}, {L"NN54", L"NN54"},   {L"NN1954", L"NN54"},
      {L"NNN57", L"NNN57"},   {L"NKG89", L"NKG89"}, {L"LOKAL", L"LOKAL"}, {L"ELLIP", L"ELLIP"}};
  return std::wstring(Lookup(kHeightSystems, text));
}

std::wstring OwnerCode(std::wstring_view text) {
  static constexpr std::wstring_view kOwners[] = {L"K",  L"I",  L"P",  L"P1", L"F",  L"S",
                                                  L"S1", L"S2", L"S3", L"K1", L"K2", L"AN"};
  const std::wstring upper = Upper(Trim(text));
  for (std::wstring_view code : kOwners) {
    if (upper == code) return upper;
  }
  return {};
}

bool IsNetworkType(std::wstring_view code) {
  return code == L"H" || code == L"O" || code == L"F" || code == L"S" || code == L"S6";
}

bool IsQualityTokens(std::wstring_view text) {
  bool any = false;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const auto start = text.find_first_not_of(L' ', pos);
    if (start == std::wstring_view::npos) break;
    const auto end = std::min(text.find(L' ', start), text.size());
    const auto token = text.substr(start, end - start);
    if (token != L"*" && !IsWholeNumber(token)) return false;
    any = true;
    pos = end;
  }
  return any;
}

std::wstring ObjectTypeName(const CWsFeature& feature) {
  const std::wstring& source = feature.Description().empty() ? feature.Feature() : feature.Description();
  std::wstring name;
  bool startOfWord = true;
  for (wchar_t c : source) {
    if (IsNameCharacter(c)) {
      name.push_back(startOfWord ? UpperLatin1(c) : c);
      startOfWord = false;
    } else {
      startOfWord = true;
    }
    if (name.size() == kMaxObjectTypeLength) break;
  }
  return name;
}

std::wstring PipeObjectTypeName(const CWsFeature& feature) {
  switch (feature.Group()) {
    case 1:
      return L"Vannledning";
    case 2:
      return L"Spillvannsledning";
    case 3:
      return L"AvløpFelles";
    case 4:
      return L"Overvannsledning";
    case 5:
      return L"Drensledning";
    case 50:
      return L"Trekkrør";
    default:
      return ObjectTypeName(feature);
  }
}

}  // namespace sosi_codes
