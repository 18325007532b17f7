#include "BadInputCase.h"

#include <charconv>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>

namespace {

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  size_t at = 0;
  while (at < text.size()) {
    const auto start = text.find_first_not_of(' ', at);
    if (start == std::string_view::npos) break;
    const auto end = std::min(text.find(' ', start), text.size());
    words.emplace_back(text.substr(start, end - start));
    at = end;
  }
  return words;
}

// "PATH TEXT": the first word and everything after the blank that ends it.
std::vector<std::string> PathAndText(std::string_view value) {
  const auto blank = value.find(' ');
  if (blank == std::string_view::npos) return {std::string(value), std::string()};
  return {std::string(value.substr(0, blank)), std::string(value.substr(blank + 1))};
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

template <typename Number>
Number ParseNumber(std::string_view text, const std::string& where) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    throw std::runtime_error(where + ": expected a number, got \"" + std::string(text) + "\"");
  }
  return value;
}

const std::set<std::string, std::less<>> kSetupActions = {"config", "sample",  "write", "append",
                                                           "mkdir",  "symlink", "chmod", "remove", "fifo"};

// Expectations that are plain lists of texts or paths.
const std::map<std::string, std::vector<std::string> BadInputCase::*, std::less<>> kTextLists = {
    {"stdout", &BadInputCase::stdoutHas}, {"stdout-lacks", &BadInputCase::stdoutLacks},
    {"stderr", &BadInputCase::stderrHas}, {"stderr-lacks", &BadInputCase::stderrLacks},
    {"exists", &BadInputCase::exists},    {"absent", &BadInputCase::absent},
    {"unchanged", &BadInputCase::unchanged}};

}  // namespace

std::string ExpandValue(std::string_view text, const std::string& work) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\' && i + 1 < text.size()) {
      const char next = text[++i];
      if (next == 'n') {
        out += '\n';
      } else if (next == 'r') {
        out += '\r';
      } else if (next == 't') {
        out += '\t';
      } else if (next == 'x' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
        out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
        i += 2;
      } else {
        out += next;
      }
      continue;
    }
    if (c == '{') {
      const auto close = text.find('}', i);
      const std::string_view inner = close == std::string_view::npos ? std::string_view() : text.substr(i + 1, close - i - 1);
      if (inner == "work") {
        out += work;
        i = close;
        continue;
      }
      const auto star = inner.find('*');
      size_t count = 0;
      if (star != std::string_view::npos &&
          std::from_chars(inner.data(), inner.data() + star, count).ptr == inner.data() + star) {
        const std::string unit = ExpandValue(inner.substr(star + 1), work);
        out.reserve(out.size() + unit.size() * count);
        for (size_t k = 0; k < count; ++k) out += unit;
        i = close;
        continue;
      }
    }
    out += c;
  }
  return out;
}

BadInputCase ReadCase(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error(file.string() + ": cannot be read");
  BadInputCase result;
  bool ran = false;
  bool exitGiven = false;
  bool inHeader = true;
  std::string raw;
  for (int line = 1; std::getline(in, raw); ++line) {
    const std::string where = file.filename().string() + ":" + std::to_string(line);
    const std::string_view text = Trim(raw);
    if (text.empty()) continue;
    if (text.front() == '#') {
      if (inHeader) result.about += std::string(Trim(text.substr(1))) + " ";
      continue;
    }
    inHeader = false;
    const auto colon = text.find(':');
    const std::string key(Trim(text.substr(0, colon)));
    const std::string_view value = colon == std::string_view::npos ? std::string_view() : Trim(text.substr(colon + 1));
    if (kSetupActions.count(key) != 0) {
      const bool textual = key == "write" || key == "append";
      result.setup.push_back({key, textual ? PathAndText(value) : Words(value), line});
    } else if (key == "run") {
      result.args = Words(value);
      ran = true;
    } else if (key == "env") {
      const auto equals = value.find('=');
      if (equals == std::string_view::npos) throw std::runtime_error(where + ": env expects NAME=VALUE");
      result.env[std::string(value.substr(0, equals))] = std::string(value.substr(equals + 1));
    } else if (key == "user") {
      result.user = std::string(value);
    } else if (key == "timeout") {
      result.timeoutSeconds = ParseNumber<int>(value, where);
    } else if (key == "max-memory-mb") {
      result.maxMemoryMb = ParseNumber<long>(value, where);
    } else if (key == "exit") {
      result.exitCode = ParseNumber<int>(value, where);
      exitGiven = true;
    } else if (const auto list = kTextLists.find(key); list != kTextLists.end()) {
      (result.*(list->second)).emplace_back(value);
    } else if (key == "holds" || key == "holds-not") {
      const auto parts = PathAndText(value);
      (key == "holds" ? result.holds : result.holdsNot).emplace_back(parts[0], parts[1]);
    } else {
      throw std::runtime_error(where + ": unknown key \"" + key + "\"");
    }
  }
  if (!ran || !exitGiven) throw std::runtime_error(file.filename().string() + ": needs a run line and an exit line");
  return result;
}
