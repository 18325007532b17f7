#include "ExportFixture.h"

#include <fstream>
#include <regex>

namespace fs = std::filesystem;

ExportFixture::ExportFixture() {
  fs::create_directories(dir_.File("suite"));
  // The configuration database only locates the INI file; it need not exist.
  env_["LMWS_CONFIGDB"] = dir_.File("suite/WaterSewer_Config.db").string();
  env_["LMWS_APPATH"] = DataPath("").string();
  env_["LMWS_CURRENTCONFIG"] = "Default";
}

fs::path ExportFixture::CopySample(const std::string& folder, bool withSettingsFolder, const std::string& name) {
  const fs::path target = dir_.File(folder);
  fs::create_directories(target);
  if (withSettingsFolder) fs::create_directories(target / "WSConfig");
  const fs::path model = target / name;
  fs::copy_file(DataPath("samples/Ledningsnett_Eksempel.xml"), model);
  return model;
}

void ExportFixture::EnableOverview() {
  dir_.Write("suite/WaterSewer_LmWsSOSIExport.ini", "[Defaults]\nUseTagCSVFile=True\n");
}

ProgramResult ExportFixture::Run(const std::vector<std::string>& args) {
  ProgramResult result = RunProgram(SOSI_EXPORT_PROGRAM, args, env_);
  EXPECT_FALSE(result.timedOut);
  EXPECT_EQ(result.signal, 0) << result.err;
  return result;
}

SosiCounts ExportFixture::ReadWithGdal(const fs::path& sos) {
  SosiCounts counts;
  TempDir fresh;
  const fs::path copy = fresh.File(sos.filename().string());
  fs::copy_file(sos, copy);
  const ProgramResult r = RunProgram("/usr/bin/ogrinfo", {"-ro", "-so", "-al", copy.string()});
  counts.output = r.out + r.err;
  std::smatch m;
  const std::regex layer(R"(Layer name: (\w+)[\s\S]*?Feature Count: (\d+))");
  for (auto it = std::sregex_iterator(counts.output.begin(), counts.output.end(), layer); it != std::sregex_iterator();
       ++it) {
    const std::string name = (*it)[1];
    const int n = std::stoi((*it)[2]);
    if (name == "lines") counts.curves = n;
    if (name == "points") counts.points = n;
  }
  if (counts.curves < 0) counts.curves = 0;
  if (counts.points < 0) counts.points = 0;
  return counts;
}

int ExportFixture::Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + what.size())) ++n;
  return n;
}
