#pragma once
// A fresh folder with a copy of a sample network, and the program run on it
// with the suite's environment pointed where the test wants.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "RunProgram.h"
#include "TempDir.h"

struct SosiCounts {
  int curves = -1;
  int points = -1;
  std::string output;  // what ogrinfo printed
};

class ExportFixture : public ::testing::Test {
 protected:
  ExportFixture();

  // Copies a sample model into `folder` (relative to the test folder) and
  // gives its path. `withSettingsFolder` creates the WSConfig folder beside it.
  std::filesystem::path CopySample(const std::string& folder = "net", bool withSettingsFolder = true,
                                   const std::string& name = "Ledningsnett_Eksempel.xml");
  // Turns the overview setting on in the suite's INI file.
  void EnableOverview();
  ProgramResult Run(const std::vector<std::string>& args);

  // Reads a SOSI file with GDAL's SOSI driver (on a copy in a fresh folder).
  static SosiCounts ReadWithGdal(const std::filesystem::path& sos);
  static int Count(const std::string& text, const std::string& what);

  TempDir dir_;
  std::map<std::string, std::string> env_;
};
