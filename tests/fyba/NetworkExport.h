#pragma once
// The networks the FYBA tests export: a model file loaded as the export loads
// it, written with the shipped settings' tables of one file format, and what
// the written file should hold, taken from the model itself.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "LmWSModelSets.h"
#include "WSCurve.h"

struct LoadedNetwork : LmWSModelSets {
  bool loaded = false;
};

LoadedNetwork LoadNetwork(const std::filesystem::path& modelFile);

// Writes a generated town of `pipes` pipes to `modelFile`.
void GenerateNetwork(std::int64_t pipes, std::uint64_t seed, const std::filesystem::path& modelFile);

struct ExportOutcome {
  bool written = false;
  std::wstring commandLine;
  // From the closing "written: <n> curves, <m> points" line; -1 without one.
  long curves = -1;
  long points = -1;
};

// The header texts come from the shipped settings, the owner as given; no
// overview files are read.
ExportOutcome ExportNetwork(const LwdDeviceSet& devices, int fileFormat, const std::filesystem::path& sosFile,
                            const std::wstring& owner);

// A device segment or a positioned point object, as the file should carry it.
struct ExpectedObject {
  int id = 0;
  std::wstring name;  // a segment's pipe name, a point object's own name
  std::wstring type;  // point objects only
  std::vector<WSVertex> vertices;
};

// Each segment of the set once, those of a pipe in the set included; only
// curves of two vertices or more.
std::vector<ExpectedObject> ExpectedCurves(const LwdDeviceSet& devices);
// Every point object with a position.
std::vector<ExpectedObject> ExpectedPoints(const LwdDeviceSet& devices);
