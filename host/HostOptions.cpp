#include "HostOptions.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <filesystem>
#include <iostream>

#include "FormatCatalogue.h"
#include "TrenchPathList.h"
#include "WideText.h"

#ifndef SOSI_EXPORT_VERSION
#define SOSI_EXPORT_VERSION "0"
#endif

namespace {

constexpr const char* kExitCodes =
    "Exit codes:\n"
    "  0  the SOSI file was written\n"
    "  3  the export ran but no SOSI file was written (its folder is missing, it is a folder, it is read-only,\n"
    "     the disk is full); standard error says why\n"
    "  1  the export ended earlier (no model, nothing selected, a dialog cancelled)\n"
    "  2  bad usage";

// Trench path names separated by commas; a backslash before a comma or a
// backslash keeps that character in the name, since a name may hold either.
std::vector<std::string> SplitAtCommas(const std::string& text) {
  std::vector<std::string> items(1);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == ',' || text[i + 1] == '\\')) {
      items.back() += text[++i];
    } else if (text[i] == ',') {
      items.emplace_back();
    } else {
      items.back() += text[i];
    }
  }
  return items;
}

// The --format value as a position of the catalogue; exit code 2 otherwise.
std::optional<int> CheckFormat(const std::string& text, std::optional<int>& format) {
  const std::vector<std::string> names = FileFormatNames();
  int position = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), position);
  if (error == std::errc() && end == text.data() + text.size() && position >= 0 &&
      position < static_cast<int>(names.size())) {
    format = position;
    return std::nullopt;
  }
  std::cerr << "sosi-export: --format must be one of: " << FileFormatList(names, ", ") << "\n";
  return 2;
}

std::optional<int> ParseHeaders(const std::vector<std::string>& items, std::map<std::string, std::string>& header) {
  const auto& names = HeaderFieldNames();
  for (const std::string& item : items) {
    const auto equals = item.find('=');
    const std::string field = item.substr(0, equals);
    if (equals == std::string::npos || std::find(names.begin(), names.end(), field) == names.end()) {
      std::string known;
      for (const std::string& name : names) known += (known.empty() ? "" : ", ") + name;
      std::cerr << "sosi-export: --header expects FIELD=VALUE with FIELD one of " << known << "; got \"" << item
                << "\"\n";
      return 2;
    }
    header[field] = item.substr(equals + 1);
  }
  return std::nullopt;
}

}  // namespace

const std::vector<std::string>& HeaderFieldNames() {
  static const std::vector<std::string> names = {"CoordinateSystem", "Projection", "Date", "Quality", "MapId",
                                                 "Producer", "Owner", "Year", "NetLevel", "Status"};
  return names;
}

std::optional<int> ParseHostOptions(int argc, char** argv, HostOptions& options) {
  CLI::App app{"Exports a water and sewer network model to a SOSI file.", "sosi-export"};
  app.footer(kExitCodes);
  app.set_version_flag("--version", std::string("sosi-export ") + SOSI_EXPORT_VERSION);
  app.add_option("MODEL", options.model, "Network model file (XML); without it the model file dialog opens");
  app.add_option("--selection-text", options.selectionText, "Prompt shown in the trench path selection dialog");
  app.add_flag("--batch", options.batch, "Show nothing: confirm every dialog unchanged, except what the options set");
  app.add_flag("--quiet", options.quiet,
               "Leave out the export's messages and the progress line; alerts and errors still go to standard error");
  // The dialogs' text fields hold Unicode only: a file name with bytes that are
  // not UTF-8 would reach the file system changed, so it is refused here.
  const CLI::Validator unicodeName(
      [](std::string& file) {
        const std::wstring wide = platform::FromUtf8(file);
        const bool raw = std::any_of(wide.begin(), wide.end(), [](wchar_t c) { return c >= 0xDC80 && c <= 0xDCFF; });
        return raw ? "Not a UTF-8 file name: " + file : std::string();
      },
      "UTF-8");
  app.add_option("--output", options.output,
                 "SOSI file to write, chosen through \"SOSI fil\" and its \"...\" button (made absolute)")
      ->check(unicodeName);
  std::string format;
  auto* formatOption =
      app.add_option("--format", format, "File format variant by position in the catalogue (see --list-formats)");
  bool listFormats = false;
  app.add_flag("--list-formats", listFormats, "Print the file format catalogue and exit");
  bool listPaths = false;
  app.add_flag("--list-paths", listPaths,
               "Print the trench paths of MODEL with their type and whether they can be selected, and exit");
  // One value an option, so that it never takes the model path; given more
  // than once, the names add up (a town's paths exceed one argument's length).
  std::vector<std::string> paths;
  auto* pathsOption = app.add_option("--paths", paths,
                                     "Trench paths left selected: one value, names separated by commas (\\, for a comma "
                                     "within a name); may be given more than once (default: all)")
                          ->allow_extra_args(false)
                          ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  // The file dialog lets a user choose regular files only; a pipe or a device
  // here would make the whole choice fail without a word.
  const CLI::Validator regularFile(
      [](std::string& file) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(file, ec)) return std::string();
        return std::filesystem::exists(file, ec) ? "Not a regular file: " + file : "File does not exist: " + file;
      },
      "FILE");
  app.add_option("--overview", options.overview,
                 "Overview CSV files chosen in the overview file dialog (used with the Gemini variant when the "
                 "suite's UseTagCSVFile setting is on)")
      ->check(regularFile)
      ->check(unicodeName);
  std::vector<std::string> headers;
  app.add_option("--header", headers,
                 "FIELD=VALUE for the header page. Text boxes: CoordinateSystem, Projection, Date (the geodetic "
                 "datum, \"Datum\" in the dialog), Quality, MapId, Producer, Owner, Year. Drop-downs: NetLevel, "
                 "Status, whose VALUE is an entry or its code before the colon, in any case");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e);
    return code == 0 ? 0 : 2;
  }
  if (listFormats) {
    std::cout << FileFormatList(FileFormatNames(), "\n") << "\n";
    return 0;
  }
  if (listPaths) return PrintTrenchPaths(options.model);
  if (formatOption->count() > 0) {
    if (auto exitCode = CheckFormat(format, options.format)) return exitCode;
  }
  if (pathsOption->count() > 0) {
    options.paths.emplace();
    for (const std::string& value : paths) {
      for (std::string& name : SplitAtCommas(value)) options.paths->push_back(std::move(name));
    }
  }
  // A user who picks a file in the save dialog always gets a full path.
  if (options.output && !options.output->empty()) {
    options.output = std::filesystem::absolute(*options.output).lexically_normal().string();
    // A slip of the keyboard must not replace the network model with its own export.
    std::error_code ec;
    if (!options.model.empty() && std::filesystem::equivalent(options.model, *options.output, ec)) {
      std::cerr << "sosi-export: --output " << *options.output << " is the model file; give the SOSI file another name\n";
      return 2;
    }
  }
  return ParseHeaders(headers, options.header);
}
