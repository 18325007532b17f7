#include <gtest/gtest.h>

#include <filesystem>

#include "HostConsole.h"
#include "SosiExportRun.h"
#include "SosiTestText.h"
#include "TempDir.h"
#include "TestNetwork.h"

namespace {

constexpr int LmGemini = 2;

SosiHeaderTexts Texts() {
  SosiHeaderTexts texts;
  texts.coordinateSystem = L"22: EUREF89 UTM32";
  texts.datum = L"Euref 89";
  texts.projection = L"UTM";
  texts.quality = L"20 2 2";
  texts.owner = L"Vågå kommune";
  texts.mapId = L"Lumiro VA";
  texts.networkLevel = L"H: Hovednett";
  texts.status = L"W: Planlagt prosjektert";
  texts.year = L"2024";
  texts.pipeStatus = L"P: Prosjektert";
  texts.connectionStatus = L"E: Eksisterende";
  texts.geometryQualityXY = L"18: Tatt fra plan";
  texts.geometryQualityZ = L"6: Prosjektert";
  return texts;
}

SosiExportTables Tables(const TestTables& t) {
  return {&t.pipeTypes, &t.pipeUsage,       &t.pipeMethod,      &t.pipeSupply,      &t.materials,
          &t.standards, &t.connectionTypes, &t.connectionUsage, &t.connectionMethod};
}

// The sewer line as one run tagged against its running order, the first
// manhole tagged, the hydrant without a mapping.
struct SmallExport {
  TestNetwork net;
  TestTables tables;
  LwdDeviceSet devices;
  PipeRuns runs{{net.first, net.second}};
  PipeTags pipeTags{{301, {L"+P1=320.01-SP01", false}}};
  std::map<int, std::wstring> pointTags{{101, L"+P1=320.01-SK01"}};

  SmallExport() {
    LwdModelInfo& model = net.store->ModelInfo();
    model.nameSpace = L"https://va.vaga.kommune.no/ledningsnett";
    model.heightSystem = L"NN2000";
    model.captureDate = L"20241015";
    for (const LwdDevice* device : std::vector<const LwdDevice*>{net.first, net.second, net.sk01, net.hydrant}) {
      devices.addDevice(device);
    }
  }

  std::string Write(int fileFormat, SosiHeaderTexts texts = Texts()) {
    const SosiObjectPlan plan(&devices, &runs, &pipeTags);
    SosiExportRun run(SosiLayoutFor(fileFormat), Tables(tables), texts, &pointTags);
    MemorySink sink;
    EXPECT_TRUE(run.Write(sink, plan));
    return sink.Bytes();
  }
};

// Writes the set without runs or tags, and reports as the mapper does.
std::string Export(const LwdDeviceSet& devices, int fileFormat, const SosiHeaderTexts& texts,
                   const SosiExportTables& tables = {}) {
  const SosiObjectPlan plan(&devices, nullptr, nullptr);
  SosiExportRun run(SosiLayoutFor(fileFormat), tables, texts, nullptr);
  MemorySink sink;
  EXPECT_TRUE(run.Write(sink, plan));
  run.ReportProblems(plan);
  return sink.Bytes();
}

}  // namespace

namespace {

// The expected files, kept as UTF-8 with LF; the writer's bytes are
// ISO-8859-10 with CR LF.
std::string Golden(const char* name) { return SosBytes(ReadBytes(std::filesystem::path(WRITER_GOLDEN) / name)); }

}  // namespace

TEST(SosiExportRun, WritesEachLayoutAsItsGoldenFile) {
  SmallExport small;
  const std::pair<int, const char*> layouts[] = {{LmGemini, "gemini.sos.txt"}, {0, "plain.sos.txt"},
                                                 {1, "gisline.sos.txt"}, {7, "plain.sos.txt"},
                                                 {-1, "plain.sos.txt"}};
  for (const auto& [fileFormat, golden] : layouts) {
    const std::string bytes = small.Write(fileFormat);
    EXPECT_EQ(bytes, Golden(golden)) << fileFormat << "\n" << Readable(bytes);
  }
}

TEST(SosiExportRun, HeaderTakesCodesAndLeavesOutWhatIsEmpty) {
  TestNetwork net;
  LwdDeviceSet devices;
  devices.addDevice(net.hydrant);
  SosiHeaderTexts texts;
  texts.coordinateSystem = L"23: EUREF89 UTM33 NN2000";
  texts.status = L"E: Eksisterende";
  const std::string text = Readable(Export(devices, 0, texts));
  EXPECT_NE(text.find("...KOORDSYS 23\n...ORIGO-NØ 0 0\n...ENHET 0.01\n..OMRÅDE\n"), std::string::npos) << text;
  EXPECT_NE(text.find("..SOSI-NIVÅ 2\n.PUNKT 1:\n"), std::string::npos) << text;
  EXPECT_NE(text.find("..STATUS E\n..NØ\n"), std::string::npos) << text;
}

TEST(SosiExportRun, HeaderValuesOutOfSosiFormAreReportedAndWrittenAsTheyCan) {
  TestNetwork net;
  SosiHeaderTexts texts = Texts();
  texts.coordinateSystem = L"EUREF89";
  texts.quality = L"god";
  texts.geometryQualityXY = L"X: Ukjent";
  texts.owner = L"Kommune – drift 水";
  platform::HostCapture capture;
  const std::string bytes = Export(net.devices, 0, texts);
  const std::wstring& lines = capture.CommandLine();
  EXPECT_NE(bytes.find("...KOORDSYS 99 EUREF89 UTM\r\n"), std::string::npos);
  EXPECT_NE(lines.find(L"\nCoordinate system \"EUREF89\" has no SOSI code"), std::wstring::npos);
  EXPECT_EQ(bytes.find("god"), std::string::npos);
  EXPECT_NE(bytes.find("..KVALITET * * * 6 *\r\n"), std::string::npos);
  EXPECT_NE(lines.find(L"\nQuality \"god\" is not in SOSI quality form"), std::wstring::npos);
  EXPECT_NE(lines.find(L"\nGeometry quality \"X: Ukjent\" has no numeric code"), std::wstring::npos);
  EXPECT_NE(bytes.find("..EIER \"Kommune - drift ?\"\r\n"), std::string::npos);
  // The header and the six objects carry the owner: seven times two characters.
  EXPECT_NE(lines.find(L"\n14 characters outside ISO-8859-10 transliterated, 7 of them as \"?\""), std::wstring::npos);

  texts.datum = L"Bessel";
  texts.projection = L"NN2000";
  const std::string tokensOnly = Export(net.devices, 0, texts);
  EXPECT_NE(tokensOnly.find("...KOORDSYS 99\r\n"), std::string::npos);
  EXPECT_NE(lines.find(L"\nDatum \"Bessel\" is not a SOSI datum"), std::wstring::npos);
  EXPECT_NE(lines.find(L"\nProjection \"NN2000\" is a height system, not a projection"), std::wstring::npos);
}

TEST(SosiExportRun, UnmappedValuesAreReportedOncePerValueWithTheirCount) {
  TestNetwork net;
  auto* other = net.store->AddPipe(202, L"VL 110 PE", L"VL", L"Tre", L"TRE");
  net.devices.addDevice(net.store->AddSegment(other, 311, {{1, 2}, {3, 4}}));
  net.devices.addDevice(net.store->AddSegment(other, 312, {{3, 4}, {5, 6}}));
  TestTables tables;
  platform::HostCapture capture;
  const std::string text = Readable(Export(net.devices, LmGemini, Texts(), Tables(tables)));
  const std::wstring expected =
      L"\nOwner \"Vågå kommune\" is not a Gemini owner code (K, I, P, P1, F, S, S1, S2, S3, K1, K2, AN); written in "
      L"the header only"
      L"\nThe model names no height system; heights written as NN2000 (VERT-DATUM NN2000)"
      L"\nNo SOSI code for pipe type \"VL 110 PE\": 2 objects"
      L"\nNo SOSI code for pipe usage \"VL 110 PE\": 2 objects"
      L"\nNo SOSI code for pipe method \"VL 110 PE\": 2 objects"
      L"\nNo SOSI code for pipe supply \"VL 110 PE\": 2 objects"
      L"\nNo SOSI code for pipe material product standard \"Tre\": 2 objects"
      L"\nNo SOSI code for point type \"Hydrant\": 1 object"
      L"\nNo SOSI code for point usage \"Hydrant\": 1 object"
      L"\nNo SOSI code for point method \"Hydrant\": 1 object"
      L"\nNo SOSI code for pipe material \"Tre\": 2 objects, written as it stands"
      L"\n1 point object without a position not written: V1";
  EXPECT_EQ(capture.CommandLine(), expected);
  // The unmapped pipes are still written, with the generic type and their own values.
  EXPECT_NE(text.find(".KURVE 3:\n..OBJTYPE VA_Ledning\n..KVALITET 18 2 2\n"), std::string::npos);
  EXPECT_NE(text.find("...SID 311\n...MATERIAL Tre\n"), std::string::npos);
  EXPECT_NE(text.find("...NAVN \"VL 110 PE\"\n..NØ\n200 100\n400 300\n"), std::string::npos);
}

