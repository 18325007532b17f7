#include "BadInputCase.h"

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace {

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// "PATH TEXT": the first word and everything after the blank that ends it.
std::pair<std::string, std::string> PathAndText(const std::string& value) {
  const auto blank = value.find(' ');
  if (blank == std::string::npos) return {value, std::string()};
  return {value.substr(0, blank), value.substr(blank + 1)};
}

int Number(const std::string& text, const std::string& where) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
    throw std::runtime_error(where + ": expected a number, got \"" + text + "\"");
  }
  return std::stoi(text);
}

// Setup actions and how many operands each takes.
const std::map<std::string, size_t> kSetupActions = {{"config", 0}, {"sample", 2},  {"write", 2}, {"mkdir", 1},
                                                     {"symlink", 2}, {"chmod", 2}, {"remove", 1}, {"fifo", 1}};

// Expectations that are plain lists of texts or paths.
const std::map<std::string, std::vector<std::string> BadInputCase::*> kTextLists = {
    {"stdout", &BadInputCase::stdoutHas}, {"stdout-lacks", &BadInputCase::stdoutLacks},
    {"stderr", &BadInputCase::stderrHas}, {"stderr-lacks", &BadInputCase::stderrLacks},
    {"exists", &BadInputCase::exists},    {"absent", &BadInputCase::absent},
    {"unchanged", &BadInputCase::unchanged}};

}  // namespace

std::string ExpandValue(std::string_view text, const std::string& work) {
  static const std::map<char, char> escapes = {{'n', '\n'}, {'r', '\r'}, {'t', '\t'}};
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\' && i + 1 < text.size()) {
      const char next = text[++i];
      if (next == 'x' && i + 2 < text.size() && std::isxdigit(text[i + 1]) && std::isxdigit(text[i + 2])) {
        out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
        i += 2;
      } else {
        out += escapes.count(next) ? escapes.at(next) : next;
      }
      continue;
    }
    const auto close = c == '{' ? text.find('}', i) : std::string_view::npos;
    const std::string_view inner = close == std::string_view::npos ? std::string_view() : text.substr(i + 1, close - i - 1);
    const auto star = inner.find('*');
    if (inner == "work") {
      out += work;
    } else if (star != std::string_view::npos && star > 0 &&
               inner.substr(0, star).find_first_not_of("0123456789") == std::string_view::npos) {
      const std::string unit = ExpandValue(inner.substr(star + 1), work);
      for (size_t k = std::stoul(std::string(inner.substr(0, star))); k > 0; --k) out += unit;
    } else {
      out += c;
      continue;
    }
    i = close;
  }
  return out;
}

BadInputCase ReadCase(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error(file.string() + ": cannot be read");
  BadInputCase result;
  bool ran = false;
  bool exitGiven = false;
  std::string raw;
  for (int line = 1; std::getline(in, raw); ++line) {
    const std::string where = file.filename().string() + ":" + std::to_string(line);
    const std::string text = Trim(raw);
    if (text.empty()) continue;
    if (text.front() == '#') {
      if (result.setup.empty() && !ran) result.about += Trim(text.substr(1)) + " ";
      continue;
    }
    const auto colon = text.find(':');
    const std::string key = Trim(text.substr(0, colon));
    const std::string value = colon == std::string::npos ? std::string() : Trim(text.substr(colon + 1));
    if (const auto action = kSetupActions.find(key); action != kSetupActions.end()) {
      const auto [path, rest] = PathAndText(value);
      result.setup.push_back({key, key == "write" ? std::vector<std::string>{path, rest} : Words(value), line});
      if (result.setup.back().operands.size() != action->second) throw std::runtime_error(where + ": wrong operands");
    } else if (key == "run") {
      result.args = Words(value);
      ran = true;
    } else if (key == "env" && value.find('=') != std::string::npos) {
      result.env[value.substr(0, value.find('='))] = value.substr(value.find('=') + 1);
    } else if (key == "user") {
      result.user = value;
    } else if (key == "timeout") {
      result.timeoutSeconds = Number(value, where);
    } else if (key == "max-memory-mb") {
      result.maxMemoryMb = Number(value, where);
    } else if (key == "exit") {
      result.exitCode = Number(value, where);
      exitGiven = true;
    } else if (const auto list = kTextLists.find(key); list != kTextLists.end()) {
      (result.*(list->second)).push_back(value);
    } else if (key == "holds" || key == "holds-not") {
      (key == "holds" ? result.holds : result.holdsNot).push_back(PathAndText(value));
    } else {
      throw std::runtime_error(where + ": unknown key \"" + key + "\"");
    }
  }
  if (!ran || !exitGiven) throw std::runtime_error(file.filename().string() + ": needs a run line and an exit line");
  return result;
}
