#pragma once
// Reads a SOSI file with FYBA, the library GDAL's SOSI driver is built on, and
// gives every group with its element lines and its coordinates, heights
// included (GDAL drops heights). FYBA writes an index folder beside the file
// it opens, and may reuse a stale one: the reader always works on a copy in a
// fresh folder. What FYBA reports through its error function is collected
// instead of printed, so that a test can fail on it.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// In metres: FYBA has applied ORIGO-NØ, ENHET and ENHET-H.
struct SosiCoordinate {
  double north = 0.0;
  double east = 0.0;
  double height = 0.0;
  bool hasHeight = false;
};

struct SosiGroup {
  std::wstring name;  // "KURVE", "PUNKT"
  long serial = 0;
  // The element lines below the group line as FYBA gives them ("..OBJTYPE Kum",
  // "...SID 301"), decoded from ISO-8859-10.
  std::vector<std::wstring> elements;
  std::vector<SosiCoordinate> coordinates;

  // The value of the first element of that name, at any level, without its
  // quotes (doubled quotes inside made single); nothing when the group has no
  // such element.
  std::optional<std::wstring> Value(std::wstring_view element) const;
};

// ..OMRÅDE in metres.
struct SosiFileHeader {
  double minNorth = 0.0;
  double minEast = 0.0;
  double maxNorth = 0.0;
  double maxEast = 0.0;
};

struct FybaFile {
  bool opened = false;
  SosiFileHeader header;
  std::vector<SosiGroup> groups;  // in file order, header excluded
  // Every report of FYBA's, as "<number> <message> <where> <text>" in UTF-8.
  std::vector<std::string> errors;

  long Count(std::wstring_view group) const;
};

FybaFile ReadWithFyba(const std::filesystem::path& file);
