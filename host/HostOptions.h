#pragma once
// The host program's command line.

#include <map>
#include <optional>
#include <string>
#include <vector>

struct HostOptions {
  std::string model;
  std::string selectionText;
  bool batch = false;
  std::optional<std::string> output;
  std::optional<int> format;
  std::optional<std::vector<std::string>> paths;  // trench path names left selected
  std::vector<std::string> overview;
  std::map<std::string, std::string> header;       // field name to text
};

// Parses the arguments. Gives the exit code to leave with (0 after --help or
// --version, 2 for bad usage) or nothing to go on.
std::optional<int> ParseHostOptions(int argc, char** argv, HostOptions& options);

// The header fields --header may set, as the header page names them.
const std::vector<std::string>& HeaderFieldNames();
