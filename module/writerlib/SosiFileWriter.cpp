#include "SosiFileWriter.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// What a byte of a value is to SOSI, looked up once for each byte; the
// kinds are bits, so that those of a whole value are gathered by "or".
enum ByteKind : unsigned char { kPlainByte = 0, kControlByte = 1, kQuotedByte = 2 };

constexpr auto kByteKinds = [] {
  std::array<unsigned char, 256> kinds{};
  for (std::size_t byte = 0; byte < kinds.size(); ++byte) {
    if (byte < 0x20 || (byte >= 0x7F && byte <= 0x9F)) kinds[byte] = kControlByte;
  }
  for (const unsigned char byte : std::string_view(" \"'!:")) kinds[byte] = kQuotedByte;
  return kinds;
}();

bool StartsSpecial(char c) { return c == '.' || c == '*' || c == '@' || c == '&'; }

// The most bytes QuoteToken makes of `size` bytes: every one a quote.
constexpr std::size_t QuotedRoom(std::size_t size) { return 2 * size + 2; }

// Makes the `size` encoded bytes at `token` one SOSI token in place, where
// there is QuotedRoom(size); gives its new size.
std::size_t QuoteToken(char* token, std::size_t size) {
  unsigned kinds = size == 0 || StartsSpecial(token[0]) ? kQuotedByte : kPlainByte;
  for (const char* at = token; at != token + size; ++at) kinds |= kByteKinds[static_cast<unsigned char>(*at)];
  if (kinds == kPlainByte) return size;
  // Control characters become blanks, which need quotes too.
  if ((kinds & kControlByte) != 0) {
    const auto isControl = [](char c) { return kByteKinds[static_cast<unsigned char>(c)] == kControlByte; };
    std::replace_if(token, token + size, isControl, ' ');
  }
  const auto quotes = static_cast<std::size_t>(std::count(token, token + size, '"'));
  const std::size_t quotedSize = size + quotes + 2;
  // From the back, so that every byte is read before its place is written.
  std::size_t to = quotedSize;
  token[--to] = '"';
  for (std::size_t from = size; from-- > 0;) {
    token[--to] = token[from];
    if (token[from] == '"') token[--to] = '"';
  }
  token[0] = '"';
  return quotedSize;
}

// How many bytes of a quoted token fit in `room` without splitting a doubled
// quote, leaving a byte for the closing quote.
std::size_t QuotedPrefix(const char* quoted, std::size_t size, std::size_t room) {
  std::size_t end = 1;
  while (end < size - 1) {
    const std::size_t step = quoted[end] == '"' ? 2 : 1;
    if (end + step + 1 > room) break;
    end += step;
  }
  return end;
}

}  // namespace

std::string SosiFileWriter::QuoteIfNeeded(std::string_view encoded) {
  std::string token(encoded);
  token.resize(QuotedRoom(encoded.size()));
  token.resize(QuoteToken(token.data(), encoded.size()));
  return token;
}

void SosiFileWriter::Grow(std::size_t bytes) {
  // Doubling from a small block: a small file needs far less than a large
  // file's block.
  constexpr std::size_t kFirstBytes = 64 << 10;
  constexpr std::size_t kFullBytes = ByteSink::kBlockBytes + 64 * kMaxLineBytes;
  const std::size_t doubled = std::clamp(2 * block_.size(), kFirstBytes, kFullBytes);
  block_.resize(std::max(doubled, used_ + bytes));
}

void SosiFileWriter::Put(std::string_view bytes) {
  std::copy(bytes.begin(), bytes.end(), Room(bytes.size()));
  used_ += bytes.size();
}

void SosiFileWriter::Encode(std::wstring_view text) {
  char* end = encoder_.Encode(text, Room(Iso8859_10Encoder::kMaxBytesPerCharacter * text.size()));
  used_ = static_cast<std::size_t>(end - block_.data());
}

void SosiFileWriter::PutInteger(long long value) {
  constexpr std::size_t kDigits = 24;
  char* at = Room(kDigits);
  used_ += static_cast<std::size_t>(std::to_chars(at, at + kDigits, value).ptr - at);
}

void SosiFileWriter::BeginHeader() {
  Put(".HODE");
  FinishLine();
}

long SosiFileWriter::BeginObject(std::wstring_view group) {
  StartLine(1, group);
  Put(' ');
  PutInteger(++serial_);
  Put(':');
  FinishLine();
  return serial_;
}

std::string SosiFileWriter::LineHead(int level, std::wstring_view name) {
  std::string head(static_cast<std::size_t>(level), '.');
  encoder_.Encode(name, head);
  return head;
}

void SosiFileWriter::Element(int level, std::wstring_view name) {
  StartLine(level, name);
  FinishLine();
}

void SosiFileWriter::Element(std::string_view head) {
  Put(head);
  FinishLine();
}

void SosiFileWriter::Values(int level, std::wstring_view name, std::wstring_view tokens,
                            std::span<const std::wstring_view> texts) {
  StartLine(level, name);
  ValuesAfterHead(tokens, texts);
}

void SosiFileWriter::Values(std::string_view head, std::wstring_view tokens,
                            std::span<const std::wstring_view> texts) {
  Put(head);
  ValuesAfterHead(tokens, texts);
}

void SosiFileWriter::ValuesAfterHead(std::wstring_view tokens, std::span<const std::wstring_view> texts) {
  if (!tokens.empty()) {
    Put(' ');
    Encode(tokens);
  }
  for (std::wstring_view value : texts) {
    Put(' ');
    const std::size_t start = used_;
    char* token = Room(QuotedRoom(Iso8859_10Encoder::kMaxBytesPerCharacter * value.size()));
    const std::size_t size = QuoteToken(token, static_cast<std::size_t>(encoder_.Encode(value, token) - token));
    const std::size_t room = kMaxLineBytes - kLineEnd.size() - (start - lineStart_);
    if (size <= room) {
      used_ = start + size;
      continue;
    }
    ++shortened_;
    if (token[0] == '"') {
      const std::size_t end = QuotedPrefix(token, size, room);
      token[end] = '"';
      used_ = start + end + 1;
    } else {
      used_ = start + room;
    }
    break;
  }
  FinishLine();
}

void SosiFileWriter::Tokens(int level, std::wstring_view name, std::wstring_view tokens) {
  StartLine(level, name);
  TokensAfterHead(tokens);
}

void SosiFileWriter::Tokens(std::string_view head, std::wstring_view tokens) {
  Put(head);
  TokensAfterHead(tokens);
}

void SosiFileWriter::TokensAfterHead(std::wstring_view tokens) {
  Put(' ');
  Encode(tokens);
  FinishLine();
}

void SosiFileWriter::Coordinate(long long north, long long east) {
  PutInteger(north);
  Put(' ');
  PutInteger(east);
  FinishLine();
}

void SosiFileWriter::Coordinate(long long north, long long east, long long height) {
  PutInteger(north);
  Put(' ');
  PutInteger(east);
  Put(' ');
  PutInteger(height);
  FinishLine();
}

void SosiFileWriter::End() {
  Put(".SLUTT");
  FinishLine();
  Flush();
}

void SosiFileWriter::Flush() {
  if (used_ > 0 && !sink_.Write({block_.data(), used_})) failed_ = true;
  used_ = 0;
  lineStart_ = 0;
}

void SosiFileWriter::StartLine(int level, std::wstring_view name) {
  for (int dot = 0; dot < level; ++dot) Put('.');
  Encode(name);
}

void SosiFileWriter::FinishLine() {
  Put('\r');
  Put('\n');
  if (used_ >= ByteSink::kBlockBytes) Flush();
  lineStart_ = used_;
}
