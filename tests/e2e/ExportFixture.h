#pragma once
// A fresh folder with a copy of the sample network, and the program run on it
// with the suite's environment pointed where the test wants.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "RunProgram.h"
#include "TempDir.h"

class ExportFixture : public ::testing::Test {
 protected:
  ExportFixture();

  // Copies the sample model into net/ beside a WSConfig folder and gives its path.
  std::filesystem::path CopySample();
  ProgramResult Run(const std::vector<std::string>& args);

  TempDir dir_;
  std::map<std::string, std::string> env_;
};
