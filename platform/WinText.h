#pragma once
// Small text services with the results of the Windows run-time library the
// module was designed for.

#include <cstdarg>
#include <cstddef>
#include <string>

namespace platform {

// _wtoi: leading blanks skipped, optional sign, then digits up to the first
// other character; no digits gives 0; overflow saturates at INT_MIN/INT_MAX.
int WToI(const std::wstring& text);

// Upper-casing for code-list matches: æ ø å ä ö map to Æ Ø Å Ä Ö whatever the
// locale; every other character goes through towupper.
wchar_t UpperForMatch(wchar_t c);

// Same length and equal character by character after UpperForMatch. No trimming.
bool EqualsIgnoringCase(const std::wstring& a, const std::wstring& b);

// Formats like the Windows wide printf family: %s takes a wide string, %S a
// narrow one, %c a wide character; everything else as in C. The result is cut
// to `bufferSize - 1` characters, as a fixed buffer of that size would hold.
std::wstring FormatWide(size_t bufferSize, const wchar_t* format, ...);
std::wstring FormatWideV(size_t bufferSize, const wchar_t* format, va_list args);

}  // namespace platform
