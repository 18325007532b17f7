#pragma once
// Reads one key of an INI file the way GetPrivateProfileStringW does: section
// and key names match ignoring letter case, the value is trimmed (and loses one
// pair of enclosing quotes), and a missing file, section or key gives the
// default. Only lines that begin with ';' are comments.

#include <cstddef>
#include <optional>
#include <string>

namespace platform {

// Copies the value (or the default, trailing blanks removed) into `buffer`,
// cut to `bufferSize - 1` characters and terminated; gives the number of
// characters copied, without the terminator. The first occurrence of the key
// in a matching section wins.
std::size_t GetPrivateProfileStringW(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue,
                                     wchar_t* buffer, std::size_t bufferSize, const wchar_t* fileName);

// The value of the key in the text of such a file, read by the same rules;
// none when the section or key is missing. The text ends at a NUL byte.
std::optional<std::wstring> ProfileValueInText(const std::string& text, const wchar_t* section, const wchar_t* key);

}  // namespace platform
