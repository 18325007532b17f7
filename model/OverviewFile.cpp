#include "OverviewFile.h"

#include <fstream>
#include <iterator>

#include "WideText.h"

namespace {

bool IsValidUtf8(const std::string& bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t least = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2, value = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3, value = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4, value = lead & 0x07, least = 0x10000;
    } else {
      return false;
    }
    if (i + length > bytes.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      value = (value << 6) | (next & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

// Windows-1252 where it differs from Latin-1 (0x80 to 0x9F); its five unused
// positions keep their Latin-1 control characters.
constexpr wchar_t kWindows1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                          0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                          0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                          0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Lines end at a line feed; a carriage return before it is dropped.
std::vector<std::wstring_view> SplitLines(std::wstring_view text) {
  std::vector<std::wstring_view> lines;
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t feed = text.find(L'\n', from);
    if (feed == std::wstring_view::npos) feed = text.size();
    std::wstring_view line = text.substr(from, feed - from);
    if (feed < text.size() && !line.empty() && line.back() == L'\r') line.remove_suffix(1);
    lines.push_back(line);
    from = feed + 1;
  }
  return lines;
}

enum class OverviewKind { Unused, Manholes, Pipes };

// Told by the first line that carries a tag.
OverviewKind KindOf(const std::vector<std::wstring_view>& lines) {
  for (std::wstring_view line : lines) {
    const std::size_t tags = ParseOverviewTags(line).size();
    if (tags == 0) continue;
    if (tags == 1) return OverviewKind::Manholes;
    if (tags == 3) return OverviewKind::Pipes;
    return OverviewKind::Unused;
  }
  return OverviewKind::Unused;
}

}  // namespace

std::wstring DecodeOverviewText(const std::string& bytes) {
  if (IsValidUtf8(bytes)) {
    const bool bom = bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0;
    return platform::FromUtf8(std::string_view(bytes).substr(bom ? 3 : 0));
  }
  std::wstring text;
  text.reserve(bytes.size());
  for (char byte : bytes) {
    const auto code = static_cast<unsigned char>(byte);
    text += code >= 0x80 && code < 0xA0 ? kWindows1252High[code - 0x80] : static_cast<wchar_t>(code);
  }
  return text;
}

void ReadOverviewFile(const std::wstring& path, OverviewContents& contents) {
  std::ifstream file(platform::ToUtf8(path), std::ios::binary);
  if (!file) return;
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const std::wstring text = DecodeOverviewText(bytes);
  const std::vector<std::wstring_view> lines = SplitLines(text);

  switch (KindOf(lines)) {
    case OverviewKind::Manholes:
      for (std::wstring_view line : lines) {
        for (auto& tag : ParseOverviewTags(line)) contents.manholeTags.push_back(std::move(tag));
      }
      break;
    case OverviewKind::Pipes:
      for (std::wstring_view line : lines) {
        std::vector<OverviewTag> tags = ParseOverviewTags(line);
        if (tags.size() >= 3)
          contents.pipeLines.push_back({std::move(tags[0]), std::move(tags[1]), std::move(tags[2])});
      }
      break;
    case OverviewKind::Unused:
      break;
  }
}
