#include "ExportFixture.h"

namespace fs = std::filesystem;

ExportFixture::ExportFixture() {
  fs::create_directories(dir_.File("suite"));
  // The configuration database only locates the INI file; it need not exist.
  env_["LMWS_CONFIGDB"] = dir_.File("suite/WaterSewer_Config.db").string();
  env_["LMWS_APPATH"] = DataPath("").string();
  env_["LMWS_CURRENTCONFIG"] = "Default";
}

fs::path ExportFixture::CopySample() {
  fs::create_directories(dir_.File("net/WSConfig"));
  const fs::path model = dir_.File("net/Ledningsnett_Eksempel.xml");
  fs::copy_file(DataPath("samples/Ledningsnett_Eksempel.xml"), model);
  return model;
}

ProgramResult ExportFixture::Run(const std::vector<std::string>& args) {
  ProgramResult result = RunProgram(SOSI_EXPORT_PROGRAM, args, env_);
  EXPECT_FALSE(result.timedOut);
  EXPECT_EQ(result.signal, 0) << result.err;
  return result;
}
