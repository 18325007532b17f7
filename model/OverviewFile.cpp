#include "OverviewFile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

#include "WideText.h"

namespace {

// Windows-1252 where it differs from Latin-1 (0x80 to 0x9F); its five unused
// positions keep their Latin-1 control characters.
constexpr wchar_t kWindows1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                          0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                          0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                          0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Lines end at a line feed; a carriage return before it is dropped. The two
// bytes stand for themselves in both kinds of text. Stops when `visit` says false.
template <typename Visit>
void ForEachLine(std::string_view bytes, Visit visit) {
  std::size_t from = 0;
  while (from < bytes.size()) {
    std::size_t feed = bytes.find('\n', from);
    if (feed == std::string_view::npos) feed = bytes.size();
    std::string_view line = bytes.substr(from, feed - from);
    if (feed < bytes.size() && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!visit(line)) return;
    from = feed + 1;
  }
}

enum class OverviewKind { Unused, Manholes, Pipes };

// Told by the first line that carries a tag.
OverviewKind KindOf(std::string_view bytes, bool utf8, OverviewTagScanner& scanner, std::wstring& text) {
  OverviewKind kind = OverviewKind::Unused;
  ForEachLine(bytes, [&](std::string_view line) {
    DecodeOverviewText(line, utf8, text);
    const std::size_t tags = scanner.Scan(text).size();
    if (tags == 0) return true;
    kind = tags == 1 ? OverviewKind::Manholes : tags == 3 ? OverviewKind::Pipes : OverviewKind::Unused;
    return false;
  });
  return kind;
}

// In one read where the size is known; byte by byte where it is not (a pipe).
std::string ReadBytes(const std::wstring& path) {
  std::ifstream file(platform::ToUtf8(path), std::ios::binary | std::ios::ate);
  if (!file) return {};
  const std::streamoff size = file.tellg();
  if (size < 0 || !file.seekg(0)) {
    file.clear();
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  }
  std::string bytes(static_cast<std::size_t>(size), '\0');
  file.read(bytes.data(), size);
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  return bytes;
}

// Eight bytes at a time: spreadsheet exports are nearly all ASCII.
std::size_t AsciiPrefix(std::string_view bytes) {
  std::size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes.data() + i, sizeof word);
    if ((word & 0x8080808080808080ull) != 0) break;
  }
  while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) ++i;
  return i;
}

}  // namespace

bool IsUtf8Text(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    i += AsciiPrefix(bytes.substr(i));
    if (i == bytes.size()) break;
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
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

void DecodeOverviewText(std::string_view bytes, bool utf8, std::wstring& text) {
  // ASCII reads the same in both kinds of text.
  if (AsciiPrefix(bytes) == bytes.size()) {
    text.assign(bytes.begin(), bytes.end());
    return;
  }
  if (utf8) {
    text = platform::FromUtf8(bytes);
    return;
  }
  text.clear();
  for (char byte : bytes) {
    const auto code = static_cast<unsigned char>(byte);
    text += code >= 0x80 && code < 0xA0 ? kWindows1252High[code - 0x80] : static_cast<wchar_t>(code);
  }
}

void ReadOverviewFile(const std::wstring& path, OverviewReceiver& receiver) {
  ReadOverviewText(ReadBytes(path), receiver);
}

void ReadOverviewText(std::string_view bytes, OverviewReceiver& receiver) {
  const bool utf8 = IsUtf8Text(bytes);
  if (utf8 && bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);

  OverviewTagScanner scanner;
  std::wstring text;  // the line being read
  const std::size_t lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
  switch (KindOf(bytes, utf8, scanner, text)) {
    case OverviewKind::Manholes:
      receiver.ExpectManholeLines(lines);
      ForEachLine(bytes, [&](std::string_view line) {
        DecodeOverviewText(line, utf8, text);
        for (const OverviewTagView& tag : scanner.Scan(text)) receiver.ManholeTag(tag);
        return true;
      });
      break;
    case OverviewKind::Pipes:
      receiver.ExpectPipeLines(lines);
      ForEachLine(bytes, [&](std::string_view line) {
        DecodeOverviewText(line, utf8, text);
        const auto tags = scanner.Scan(text);
        if (tags.size() >= 3) receiver.PipeLine(tags[0], tags[1], tags[2]);
        return true;
      });
      break;
    case OverviewKind::Unused:
      break;
  }
}
