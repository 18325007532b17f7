#include "HostOptions.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <iostream>

#include "WideText.h"

#ifndef SOSI_EXPORT_VERSION
#define SOSI_EXPORT_VERSION "0"
#endif

const std::vector<std::string>& HeaderFieldNames() {
  static const std::vector<std::string> names = {"CoordinateSystem", "Projection", "Date",  "Quality",
                                                 "MapId",            "Producer",   "Owner", "Year"};
  return names;
}

std::optional<int> ParseHostOptions(int argc, char** argv, HostOptions& options) {
  CLI::App app{"Exports a water and sewer network model to a SOSI file.", "sosi-export"};
  app.set_version_flag("--version", std::string("sosi-export ") + SOSI_EXPORT_VERSION);
  app.add_option("MODEL", options.model, "Network model file (XML); without it the model file dialog opens");
  app.add_option("--selection-text", options.selectionText, "Prompt shown in the trench path selection dialog");
  app.add_flag("--batch", options.batch, "Show nothing: confirm every dialog unchanged, except what the options set");
  // The dialogs' text fields hold Unicode only: a file name with bytes that are
  // not UTF-8 would reach the file system changed, so it is refused here.
  const CLI::Validator unicodeName(
      [](std::string& file) {
        const std::wstring wide = platform::FromUtf8(file);
        const bool raw = std::any_of(wide.begin(), wide.end(), [](wchar_t c) { return c >= 0xDC80 && c <= 0xDCFF; });
        return raw ? "Not a UTF-8 file name: " + file : std::string();
      },
      "UTF-8");
  app.add_option("--output", options.output, "SOSI file to write (as typed into \"SOSI fil\")")->check(unicodeName);
  app.add_option("--format", options.format, "File format variant by position (0 SOSI, 1 GISLINE, 2 Gemini)")
      ->check(CLI::NonNegativeNumber);
  std::vector<std::string> paths;
  auto* pathsOption = app.add_option("--paths", paths, "Trench paths left selected, by name (default: all)")
                          ->delimiter(',');
  // The file dialog lets a user choose regular files only; a pipe or a device
  // here would make the whole choice fail without a word.
  const CLI::Validator regularFile(
      [](std::string& file) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(file, ec)) return std::string();
        return std::filesystem::exists(file, ec) ? "Not a regular file: " + file : "File does not exist: " + file;
      },
      "FILE");
  app.add_option("--overview", options.overview, "Overview CSV files chosen in the overview file dialog")
      ->check(regularFile)
      ->check(unicodeName);
  std::vector<std::string> headers;
  app.add_option("--header", headers, "FIELD=VALUE typed into a header page field: CoordinateSystem, Projection, "
                                      "Date, Quality, MapId, Producer, Owner, Year");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e);
    return code == 0 ? 0 : 2;
  }
  if (pathsOption->count() > 0) options.paths = paths;
  for (const std::string& item : headers) {
    const auto equals = item.find('=');
    const std::string field = item.substr(0, equals);
    const auto& names = HeaderFieldNames();
    if (equals == std::string::npos || std::find(names.begin(), names.end(), field) == names.end()) {
      std::cerr << "sosi-export: --header expects FIELD=VALUE with FIELD one of CoordinateSystem, Projection, Date, "
                   "Quality, MapId, Producer, Owner, Year; got \""
                << item << "\"\n";
      return 2;
    }
    options.header[field] = item.substr(equals + 1);
  }
  return std::nullopt;
}
