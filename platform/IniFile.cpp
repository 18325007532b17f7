#include "IniFile.h"

#include <ini.h>

#include <algorithm>
#include <filesystem>
#include <optional>

#include "WideText.h"
#include "WinText.h"

namespace platform {
namespace {

struct KeyQuery {
  std::wstring section;
  std::wstring key;
  std::optional<std::wstring> value;
};

int OnEntry(void* user, const char* section, const char* name, const char* value) {
  auto& query = *static_cast<KeyQuery*>(user);
  if (query.value || name == nullptr) return 1;
  if (EqualsIgnoringCase(FromUtf8(section), query.section) && EqualsIgnoringCase(FromUtf8(name), query.key)) {
    query.value = FromUtf8(value != nullptr ? value : "");
  }
  return 1;
}

// The Debian build of inih takes its parsing options at run time; these give
// the Windows profile rules: no continuation lines, ';' comments only at the
// start of a line, and no limit worth meeting on the line length.
void UseWindowsProfileRules() {
  static char startComments[] = ";";
  ini_allow_multiline = false;
  ini_allow_inline_comments = false;
  ini_start_comment_prefixes = startComments;
  ini_use_stack = false;
  ini_allow_realloc = true;
  ini_max_line = 1 << 20;
}

std::wstring WithoutEnclosingQuotes(std::wstring value) {
  if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::wstring WithoutTrailingBlanks(std::wstring text) {
  text.erase(std::find_if(text.rbegin(), text.rend(), [](wchar_t c) { return c != L' ' && c != L'\t'; }).base(),
             text.end());
  return text;
}

// The value of the key, of the first section and key that match, as `parse`
// gives the entries of the text to `query` through OnEntry.
template <typename Parse>
std::optional<std::wstring> FindValue(const wchar_t* section, const wchar_t* key, Parse parse) {
  KeyQuery query{section, key, std::nullopt};
  UseWindowsProfileRules();
  parse(query);
  if (!query.value) return std::nullopt;
  return WithoutEnclosingQuotes(*query.value);
}

}  // namespace

std::optional<std::wstring> ProfileValueInText(const std::string& text, const wchar_t* section, const wchar_t* key) {
  return FindValue(section, key, [&text](KeyQuery& query) { ini_parse_string(text.c_str(), OnEntry, &query); });
}

std::size_t GetPrivateProfileStringW(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue,
                                     wchar_t* buffer, std::size_t bufferSize, const wchar_t* fileName) {
  if (buffer == nullptr || bufferSize == 0) return 0;
  std::wstring result = WithoutTrailingBlanks(defaultValue != nullptr ? defaultValue : L"");
  if (section != nullptr && key != nullptr && fileName != nullptr) {
    const std::string file = ToUtf8(fileName);
    // Only a regular file is read: a pipe or a device in its place would never end.
    std::error_code ec;
    if (std::filesystem::is_regular_file(file, ec)) {
      const auto value =
          FindValue(section, key, [&file](KeyQuery& query) { ini_parse(file.c_str(), OnEntry, &query); });
      if (value) result = *value;
    }
  }
  const std::size_t count = std::min(result.size(), bufferSize - 1);
  std::copy_n(result.begin(), count, buffer);
  buffer[count] = L'\0';
  return count;
}

}  // namespace platform
