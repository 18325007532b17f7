#pragma once
// One bad-input case: how to lay out its folder, how to run the program, and
// what a user should see afterwards. A case is a small text file with one
// "key: value" line per step or expectation (see cases/README.md).

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A setup step in file order: the action ("write", "mkdir", ...) and its
// operands, still unexpanded.
struct CaseStep {
  std::string action;
  std::vector<std::string> operands;
  int line = 0;
};

struct BadInputCase {
  std::string about;  // the comment lines at the top of the file
  std::vector<CaseStep> setup;
  std::vector<std::string> args;
  std::map<std::string, std::string> env;
  std::optional<std::string> user;
  int timeoutSeconds = 60;
  std::optional<long> maxMemoryMb;

  int exitCode = 0;
  std::vector<std::string> stdoutHas;
  std::vector<std::string> stdoutLacks;
  std::vector<std::string> stderrHas;
  std::vector<std::string> stderrLacks;
  std::vector<std::string> exists;
  std::vector<std::string> absent;
  std::vector<std::string> unchanged;
  std::vector<std::pair<std::string, std::string>> holds;     // file, text it must contain
  std::vector<std::pair<std::string, std::string>> holdsNot;  // file, text it must not contain
};

// Throws std::runtime_error naming the file and line of a problem.
BadInputCase ReadCase(const std::filesystem::path& file);

// Expands "{work}" to the case folder, "{N*TEXT}" to TEXT repeated N times,
// and the escapes \n \r \t \\ \xHH.
std::string ExpandValue(std::string_view text, const std::string& work);
