#include <filesystem>
#include <regex>

#include "ExportFixture.h"

namespace fs = std::filesystem;

namespace {

struct Written {
  int curves = -1;
  int points = -1;
};

Written WrittenCounts(const std::string& out) {
  Written w;
  std::smatch m;
  if (std::regex_search(out, m, std::regex(R"(written: (\d+) curves, (\d+) points)"))) {
    w.curves = std::stoi(m[1]);
    w.points = std::stoi(m[2]);
  }
  return w;
}

bool HasGdal() { return fs::exists("/usr/bin/ogrinfo"); }

}  // namespace

using SosiExportProgram = ExportFixture;

TEST_F(SosiExportProgram, NoModelPathInBatchIsACancelledFileDialog) {
  const ProgramResult r = Run({"--batch", "--output", dir_.File("x.sos").string()});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_FALSE(fs::exists(dir_.File("x.sos")));
  EXPECT_EQ(r.out.find("composites"), std::string::npos);
}

TEST_F(SosiExportProgram, EmptyModelSaysNoCompositesOnce) {
  const auto model = dir_.Write("tom.xml", "<?xml version=\"1.0\"?>\n<WsModel version=\"1\"/>\n");
  const ProgramResult r = Run({model.string(), "--batch", "--output", dir_.File("x.sos").string()});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(Count(r.out, "\nNo composites read."), 1) << r.out;
  EXPECT_FALSE(fs::exists(dir_.File("x.sos")));
}

TEST_F(SosiExportProgram, BadUsageExitsWithTwo) {
  EXPECT_EQ(Run({"--batch", "--no-such-option"}).exitCode, 2);
  const ProgramResult r = Run({"--batch", "m.xml", "--header", "Colour=blue"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_NE(r.err.find("Colour=blue"), std::string::npos);
  EXPECT_EQ(Run({"--version"}).exitCode, 0);
}

TEST_F(SosiExportProgram, SampleExportIsReadBackByGdalInEveryVariant) {
  const auto model = CopySample();
  for (const char* format : {"0", "1", "2"}) {
    SCOPED_TRACE(std::string("format ") + format);
    const fs::path sos = dir_.File(std::string("ut") + format + ".sos");
    const ProgramResult r = Run({model.string(), "--batch", "--output", sos.string(), "--format", format});
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("\n77 composites read."), std::string::npos);
    const Written written = WrittenCounts(r.out);
    ASSERT_GT(written.curves, 0) << r.out;
    ASSERT_GT(written.points, 0);
    if (!HasGdal()) continue;
    const SosiCounts read = ReadWithGdal(sos);
    EXPECT_EQ(read.curves, written.curves) << read.output;
    EXPECT_EQ(read.points, written.points) << read.output;
    EXPECT_EQ(read.output.find("Error"), std::string::npos) << read.output;
  }
}

TEST_F(SosiExportProgram, SettingsBesideTheModelWinAndAreWrittenBack) {
  const auto model = CopySample();
  const auto settings = dir_.Write("net/WSConfig/Ledningsnett_Eksempel.SOSIExport.cfg.xml",
                                   "<SOSIMapperData><MapId>Fra modellen</MapId><FileFormat>0</FileFormat>"
                                   "<Owner>Vågå kommune</Owner></SOSIMapperData>");
  const fs::path sos = dir_.File("ut.sos");
  const ProgramResult r = Run({model.string(), "--batch", "--output", sos.string()});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string file = ReadBytes(sos);
  EXPECT_NE(file.find("Fra modellen"), std::string::npos);
  EXPECT_NE(file.find("V\xE5g\xE5 kommune"), std::string::npos) << "owner in ISO-8859-10";
  EXPECT_EQ(file.find("EGS_LEDNING"), std::string::npos) << "format 0 is not the Gemini layout";
  const std::string saved = ReadBytes(settings);
  EXPECT_NE(saved.find("<FileName>" + sos.string() + "</FileName>"), std::string::npos) << saved;
  EXPECT_NE(saved.find("<MapId>Fra modellen</MapId>"), std::string::npos);
}

TEST_F(SosiExportProgram, WithoutModelSettingsTheConfigurationDefaultsAreUsedAndStored) {
  const auto model = CopySample();
  const fs::path sos = dir_.File("ut.sos");
  ASSERT_EQ(Run({model.string(), "--batch", "--output", sos.string()}).exitCode, 0);
  EXPECT_NE(ReadBytes(sos).find("EGS_LEDNING"), std::string::npos) << "the shipped defaults choose Gemini";
  const std::string saved = ReadBytes(dir_.File("net/WSConfig/Ledningsnett_Eksempel.SOSIExport.cfg.xml"));
  EXPECT_NE(saved.find("<FileFormat>2</FileFormat>"), std::string::npos) << saved;
  EXPECT_NE(saved.find("<PipeTypes FileMode=\"2\">"), std::string::npos);
}

TEST_F(SosiExportProgram, WithoutAnySettingsFileTheBuiltInDefaultsApply) {
  env_["LMWS_APPATH"] = dir_.File("empty-suite").string();
  const auto model = CopySample();
  const fs::path sos = dir_.File("ut.sos");
  ASSERT_EQ(Run({model.string(), "--batch", "--output", sos.string()}).exitCode, 0);
  const std::string saved = ReadBytes(dir_.File("net/WSConfig/Ledningsnett_Eksempel.SOSIExport.cfg.xml"));
  EXPECT_NE(saved.find("<FileFormat>1</FileFormat>"), std::string::npos) << saved;
  EXPECT_NE(saved.find("<Status>W: Planlagt prosjektert</Status>"), std::string::npos);
}

TEST_F(SosiExportProgram, MissingSettingsFolderAlertsAndTheExportGoesOn) {
  const auto model = CopySample("net", false);
  const fs::path sos = dir_.File("ut.sos");
  const ProgramResult r = Run({model.string(), "--batch", "--output", sos.string()});
  EXPECT_EQ(r.exitCode, 0);
  const std::string settingsPath = dir_.File("net/WSConfig/Ledningsnett_Eksempel.SOSIExport.cfg.xml").string();
  EXPECT_NE(r.err.find("Can not save default values to file " + settingsPath + "\n\nSosi-export will continue"),
            std::string::npos)
      << r.err;
  EXPECT_TRUE(fs::exists(sos));
}

TEST_F(SosiExportProgram, OverviewTagsReachTheGeminiFileOnly) {
  EnableOverview();
  const auto model = CopySample();
  const std::string manholes = DataPath("samples/Kumoversikt.csv").string();
  const std::string pipes = DataPath("samples/Ledningsoversikt.csv").string();
  const fs::path gemini = dir_.File("gemini.sos");
  ASSERT_EQ(Run({model.string(), "--batch", "--output", gemini.string(), "--format", "2", "--overview", manholes,
                 pipes})
                .exitCode,
            0);
  const std::string file = ReadBytes(gemini);
  EXPECT_NE(file.find("+P1=320.01-SK01"), std::string::npos) << "manhole tag";
  EXPECT_NE(file.find("+P1=320.01-SP01"), std::string::npos) << "pipe tag";

  const fs::path gisline = dir_.File("gisline.sos");
  ASSERT_EQ(Run({model.string(), "--batch", "--output", gisline.string(), "--format", "1", "--overview", manholes,
                 pipes})
                .exitCode,
            0);
  EXPECT_EQ(ReadBytes(gisline).find("+P1=320.01"), std::string::npos);
}

TEST_F(SosiExportProgram, AnUnopenableTargetIsReportedAndAProtectedFileSurvives) {
  const auto model = CopySample();
  const fs::path protectedFile = dir_.Write("vern.sos", "old contents");
  fs::permissions(protectedFile, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  ProgramResult r = Run({model.string(), "--batch", "--output", protectedFile.string()});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_NE(r.err.find("Can not open " + protectedFile.string() + "\n\nAcces is denied"), std::string::npos) << r.err;
  EXPECT_EQ(ReadBytes(protectedFile), "old contents");

  const fs::path nowhere = dir_.File("no-such-folder/ut.sos");
  r = Run({model.string(), "--batch", "--output", nowhere.string()});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_NE(r.err.find("Can not open " + nowhere.string()), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(nowhere.parent_path()));
}

TEST_F(SosiExportProgram, ChosenTrenchPathsLimitTheExport) {
  const auto model = CopySample();
  const fs::path all = dir_.File("alle.sos");
  const fs::path one = dir_.File("en.sos");
  ASSERT_EQ(Run({model.string(), "--batch", "--output", all.string()}).exitCode, 0);
  const ProgramResult r = Run({model.string(), "--batch", "--output", one.string(), "--paths", "Grøft A"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_LT(Count(ReadBytes(one), "\n.KURVE"), Count(ReadBytes(all), "\n.KURVE"));
  EXPECT_GT(Count(ReadBytes(one), "\n.KURVE"), 0);

  const ProgramResult none = Run({model.string(), "--batch", "--output", one.string(), "--paths", "Finnes ikke"});
  EXPECT_EQ(none.exitCode, 1) << "nothing left selected";
  EXPECT_NE(none.err.find("Finnes ikke"), std::string::npos);
}

TEST_F(SosiExportProgram, NorwegianLettersInThePathWorkEndToEnd) {
  const auto model = CopySample("Vågå", true, "ledningsnett.xml");
  const fs::path sos = dir_.File("Vågå/Ledningsnett_ø.sos");
  const ProgramResult r = Run({model.string(), "--batch", "--output", sos.string()});
  ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
  EXPECT_TRUE(fs::exists(sos));
  EXPECT_TRUE(fs::exists(dir_.File("Vågå/WSConfig/ledningsnett.SOSIExport.cfg.xml")));
  EXPECT_NE(r.out.find(sos.string()), std::string::npos) << "the path is printed as UTF-8";
}

TEST_F(SosiExportProgram, AnUnreadableSettingsFileIsKeptBeforeTheRunReplacesIt) {
  const auto model = CopySample();
  const std::string broken = "<SOSIMapperData><PipeTypes FileMode=\"to\"></SOSIMapperData>";
  const auto settings = dir_.Write("net/WSConfig/Ledningsnett_Eksempel.SOSIExport.cfg.xml", broken);
  const ProgramResult r = Run({model.string(), "--batch", "--output", dir_.File("ut.sos").string()});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(ReadBytes(settings.string() + ".unreadable"), broken);
  EXPECT_NE(r.out.find("could not be read; it is kept as " + settings.string() + ".unreadable"), std::string::npos)
      << r.out;
  EXPECT_NE(ReadBytes(settings).find("<FileFormat>"), std::string::npos) << "replaced by the dialog's settings";
}
