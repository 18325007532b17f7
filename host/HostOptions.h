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
  bool quiet = false;
  std::optional<std::string> output;  // absolute once parsed
  std::optional<int> format;          // a position of the file format catalogue
  std::optional<std::vector<std::string>> paths;  // trench path names left selected
  std::vector<std::string> overview;
  std::map<std::string, std::string> header;       // field name to text or drop-down entry
};

// Parses the arguments and answers --list-formats and --list-paths. Gives the
// exit code to leave with (0 after a listing, --help or --version, 2 for bad
// usage) or nothing to go on.
std::optional<int> ParseHostOptions(int argc, char** argv, HostOptions& options);

// The header fields --header may set: text boxes, then the drop-downs.
const std::vector<std::string>& HeaderFieldNames();
inline bool IsDropDownField(const std::string& field) { return field == "NetLevel" || field == "Status"; }
