#include "SosiFileWriter.h"

#include <charconv>

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void AppendInteger(std::string& out, long long value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || (byte >= 0x7F && byte <= 0x9F);
}

bool NeedsQuotes(std::string_view value) {
  if (value.empty()) return true;
  if (value.find_first_of(" \"'!:") != std::string_view::npos) return true;
  return value.front() == '.' || value.front() == '*' || value.front() == '@' || value.front() == '&';
}

// Cuts an encoded quoted value so that it fits, without splitting a doubled
// quote, and closes the quote again.
std::string ShortenQuoted(const std::string& quoted, std::size_t room) {
  std::size_t end = 1;
  while (end < quoted.size() - 1) {
    const std::size_t step = quoted[end] == '"' ? 2 : 1;
    if (end + step + 1 > room) break;
    end += step;
  }
  return quoted.substr(0, end) + '"';
}

}  // namespace

std::string SosiFileWriter::QuoteIfNeeded(std::string_view encoded) {
  std::string token(encoded);
  QuoteInPlace(token);
  return token;
}

void SosiFileWriter::QuoteInPlace(std::string& token) {
  for (char& c : token) {
    if (IsControl(c)) c = ' ';
  }
  if (!NeedsQuotes(token)) return;
  std::string quoted = "\"";
  for (char c : token) {
    quoted.push_back(c);
    if (c == '"') quoted.push_back('"');
  }
  quoted.push_back('"');
  token.swap(quoted);
}

void SosiFileWriter::BeginHeader() {
  line_ = ".HODE";
  FinishLine();
}

long SosiFileWriter::BeginObject(std::wstring_view group) {
  StartLine(1, group);
  line_.push_back(' ');
  AppendInteger(line_, ++serial_);
  line_.push_back(':');
  FinishLine();
  return serial_;
}

void SosiFileWriter::Element(int level, std::wstring_view name) {
  StartLine(level, name);
  FinishLine();
}

void SosiFileWriter::Values(int level, std::wstring_view name, std::wstring_view tokens,
                            std::span<const std::wstring_view> texts) {
  StartLine(level, name);
  if (!tokens.empty()) {
    line_.push_back(' ');
    encoder_.Encode(tokens, line_);
  }
  for (std::wstring_view value : texts) {
    line_.push_back(' ');
    token_.clear();
    encoder_.Encode(value, token_);
    QuoteInPlace(token_);
    const std::size_t room = kMaxLineBytes - kLineEnd.size() - line_.size();
    if (token_.size() <= room) {
      line_.append(token_);
      continue;
    }
    ++shortened_;
    line_.append(token_.front() == '"' ? ShortenQuoted(token_, room) : token_.substr(0, room));
    break;
  }
  FinishLine();
}

void SosiFileWriter::Tokens(int level, std::wstring_view name, std::wstring_view tokens) {
  StartLine(level, name);
  line_.push_back(' ');
  encoder_.Encode(tokens, line_);
  FinishLine();
}

void SosiFileWriter::Coordinate(long long north, long long east) {
  AppendInteger(line_, north);
  line_.push_back(' ');
  AppendInteger(line_, east);
  FinishLine();
}

void SosiFileWriter::Coordinate(long long north, long long east, long long height) {
  AppendInteger(line_, north);
  line_.push_back(' ');
  AppendInteger(line_, east);
  line_.push_back(' ');
  AppendInteger(line_, height);
  FinishLine();
}

void SosiFileWriter::End() {
  line_ = ".SLUTT";
  FinishLine();
}

void SosiFileWriter::StartLine(int level, std::wstring_view name) {
  line_.assign(static_cast<std::size_t>(level), '.');
  encoder_.Encode(name, line_);
}

void SosiFileWriter::FinishLine() {
  line_.append(kLineEnd);
  if (!sink_.Write(line_)) failed_ = true;
  line_.clear();
}
