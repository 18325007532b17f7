#include "WinText.h"

#include <algorithm>
#include <climits>
#include <cwchar>
#include <cwctype>
#include <vector>

namespace platform {

int WToI(const std::wstring& text) {
  size_t i = 0;
  while (i < text.size() && std::iswspace(static_cast<wint_t>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
    negative = text[i] == L'-';
    ++i;
  }
  long long value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    value = value * 10 + (text[i] - L'0');
    if (value > static_cast<long long>(INT_MAX) + 1) {
      return negative ? INT_MIN : INT_MAX;
    }
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  return static_cast<int>(value);
}

wchar_t UpperForMatch(wchar_t c) {
  switch (c) {
    case L'\u00E6': return L'\u00C6';  // æ
    case L'\u00F8': return L'\u00D8';  // ø
    case L'\u00E5': return L'\u00C5';  // å
    case L'\u00E4': return L'\u00C4';  // ä
    case L'\u00F6': return L'\u00D6';  // ö
    default: return static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
  }
}

bool EqualsIgnoringCase(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (UpperForMatch(a[i]) != UpperForMatch(b[i])) return false;
  }
  return true;
}

namespace {

// Rewrites Windows wide-printf conversions into their glibc spelling.
std::wstring TranslateFormat(const wchar_t* format) {
  std::wstring out;
  for (const wchar_t* p = format; *p; ++p) {
    out += *p;
    if (*p != L'%') continue;
    ++p;
    if (*p == L'%') {
      out += L'%';
      continue;
    }
    // flags, width, precision
    while (*p && std::wcschr(L"-+ #0123456789.*", *p)) out += *p++;
    bool hasLength = false;
    while (*p && std::wcschr(L"hlLqjzt", *p)) {
      hasLength = true;
      out += *p++;
    }
    if (!*p) break;
    if (!hasLength && (*p == L's' || *p == L'c')) {
      out += L'l';
      out += *p;
    } else if (!hasLength && *p == L'S') {
      out += L's';
    } else if (!hasLength && *p == L'C') {
      out += L'c';
    } else {
      out += *p;
    }
  }
  return out;
}

}  // namespace

std::wstring FormatWideV(size_t bufferSize, const wchar_t* format, va_list args) {
  if (bufferSize == 0 || format == nullptr) return {};
  const std::wstring translated = TranslateFormat(format);
  std::vector<wchar_t> buffer(bufferSize, L'\0');
  va_list copy;
  va_copy(copy, args);
  const int n = std::vswprintf(buffer.data(), bufferSize, translated.c_str(), copy);
  va_end(copy);
  if (n >= 0) return std::wstring(buffer.data(), static_cast<size_t>(n));
  // vswprintf fails when the text does not fit: format into a larger buffer and cut.
  for (size_t size = bufferSize * 2; size <= (1u << 24); size *= 2) {
    buffer.assign(size, L'\0');
    va_copy(copy, args);
    const int m = std::vswprintf(buffer.data(), size, translated.c_str(), copy);
    va_end(copy);
    if (m >= 0) return std::wstring(buffer.data(), std::min(static_cast<size_t>(m), bufferSize - 1));
  }
  return {};
}

std::wstring FormatWide(size_t bufferSize, const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  std::wstring text = FormatWideV(bufferSize, format, args);
  va_end(args);
  return text;
}

}  // namespace platform
