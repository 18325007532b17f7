#include <gtest/gtest.h>

#include "HostConsole.h"
#include "SosiExportRun.h"
#include "SosiTestText.h"
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

const std::string kHeaderStart = R"(.HODE
..TEGNSETT ISO8859-10
..TRANSPAR
...KOORDSYS 22 EUREF89 UTM
...ORIGO-NØ 0 0
...ENHET 0.01
...ENHET-H 0.01
...VERT-DATUM NN2000
..OMRÅDE
...MIN-NØ 7034123 569012
...MAX-NØ 7034150 569080
..SOSI-VERSJON 4.5
..SOSI-NIVÅ 2
..INNHOLD
...PRODUKTSPEK "Lumiro VA"
..EIER "Vågå kommune"
..KVALITET 20 2 2
)";

// The run reversed: from the third manhole back to the first.
const std::string kRunCoordinates = R"(..NØH
703415000 56908000 1030
703413100 56905210 1055
703412345 56901234 1080
)";

TEST(SosiExportRun, WritesTheGeminiLayout) {
  SmallExport small;
  const std::string expected = kHeaderStart + R"(.KURVE 1:
..OBJTYPE Spillvannsledning
..KVALITET 18 2 2 6 *
..DATAFANGSTDATO 20241015
..GUID d6cb063c-b816-589e-b630-e71cf763c418
..HØYDEREFERANSE BUNN_INNVENDIG
..IDENT
...LOKALID d6cb063c-b816-589e-b630-e71cf763c418
...NAVNEROM "https://va.vaga.kommune.no/ledningsnett"
..EGS_LEDNING
...SID 301
...L_TEMA SP
...TEMAGRUPPE 2
...SKJØTEMETODE MUF
...TILFØRSEL SF
...MATERIAL PVC
...PRODUKTSTANDARD "NS-EN 1401-1"
...DIMENSJON 160
...NETTYPE H
...STATUS P
...ANLEGGSÅR 2024
...FSID 103
...TSID 101
...LINJEIDANL +P1=320.01-SP01
...NAVN "SP 160 PVC"
)" + kRunCoordinates + R"(.PUNKT 2:
..OBJTYPE Kum
..KVALITET 18 2 2 6 *
..DATAFANGSTDATO 20241015
..GUID 948eaf9c-6785-5d1e-a558-dc9ab8eea9fa
..HØYDEREFERANSE PÅ_BAKKEN
..IDENT
...LOKALID 948eaf9c-6785-5d1e-a558-dc9ab8eea9fa
...NAVNEROM "https://va.vaga.kommune.no/ledningsnett"
..EGS_PUNKT
...SID 101
...P_TEMA KUM
...FUNKSJON SK
...BYGGEMET B
...TYPE "Kum 1200 betong"
...NAVN -SK01
...PUNKTIDANL +P1=320.01-SK01
...STATUS E
...ANLEGGSÅR 2024
..NØH
703412345 56901234 1230
.PUNKT 3:
..OBJTYPE VA_Punkt
..KVALITET 18 2 2
..DATAFANGSTDATO 20241015
..GUID 2c6efb68-49c3-599f-949d-2b05f6a86019
..IDENT
...LOKALID 2c6efb68-49c3-599f-949d-2b05f6a86019
...NAVNEROM "https://va.vaga.kommune.no/ledningsnett"
..EGS_PUNKT
...SID 104
...TYPE Hydrant
...NAVN H1
...STATUS E
...ANLEGGSÅR 2024
..NØ
703414000 56903000
.SLUTT
)";
  const std::string bytes = small.Write(LmGemini);
  EXPECT_EQ(bytes, SosBytes(expected)) << Readable(bytes);
}

TEST(SosiExportRun, WritesThePlainLayout) {
  SmallExport small;
  const std::string expected = kHeaderStart + R"(.KURVE 1:
..OBJTYPE Spillvannsledning
..IDENT
...LOKALID d6cb063c-b816-589e-b630-e71cf763c418
...NAVNEROM "https://va.vaga.kommune.no/ledningsnett"
..NAVN "SP 160 PVC"
..TEMA SP
..BRUK H
..METODE MUF
..TILFØRSEL SF
..MATERIAL PVC
..PRODUKTSTANDARD "NS-EN 1401-1"
..DIMENSJON 160
..NETTNIVÅ H
..STATUS W
..EIER "Vågå kommune"
..ANLEGGSÅR 2024
..LINJEIDANL +P1=320.01-SP01
..HØYDEREFERANSE BUNN_INNVENDIG
..DATAFANGSTDATO 20241015
..KVALITET 18 2 2 6 *
)" + kRunCoordinates + R"(.PUNKT 2:
..OBJTYPE Kum
..IDENT
...LOKALID 948eaf9c-6785-5d1e-a558-dc9ab8eea9fa
...NAVNEROM "https://va.vaga.kommune.no/ledningsnett"
..NAVN -SK01
..TYPE "Kum 1200 betong"
..TEMA KUM
..BRUK SK
..METODE B
..STATUS W
..EIER "Vågå kommune"
..ANLEGGSÅR 2024
..PUNKTIDANL +P1=320.01-SK01
..HØYDEREFERANSE PÅ_BAKKEN
..DATAFANGSTDATO 20241015
..KVALITET 18 2 2 6 *
..NØH
703412345 56901234 1230
.PUNKT 3:
..OBJTYPE VA_Punkt
..IDENT
...LOKALID 2c6efb68-49c3-599f-949d-2b05f6a86019
...NAVNEROM "https://va.vaga.kommune.no/ledningsnett"
..NAVN H1
..TYPE Hydrant
..STATUS W
..EIER "Vågå kommune"
..ANLEGGSÅR 2024
..DATAFANGSTDATO 20241015
..KVALITET 18 2 2
..NØ
703414000 56903000
.SLUTT
)";
  const std::string bytes = small.Write(0);
  EXPECT_EQ(bytes, SosBytes(expected)) << Readable(bytes);
  EXPECT_EQ(small.Write(7), bytes);
  EXPECT_EQ(small.Write(-1), bytes);
}

TEST(SosiExportRun, WritesTheGislineLayout) {
  SmallExport small;
  const std::string expected = kHeaderStart + R"(.KURVE 1:
..OBJTYPE Spillvannsledning
..IDENT
...LOKALID d6cb063c-b816-589e-b630-e71cf763c418
...NAVNEROM "https://va.vaga.kommune.no/ledningsnett"
..LEDNING
...LEDN_NAV "SP 160 PVC"
...TEMA SP
...LEDN_BRU H
...METODE MUF
...TILFØRSEL SF
...MATR_KODE PVC
...PRODUKTSTANDARD "NS-EN 1401-1"
...DIMENSJON 160
...NETT_NIV H
..STATUS W
..EIER "Vågå kommune"
..ANLEGGSÅR 2024
..LINJEIDANL +P1=320.01-SP01
..HØYDEREFERANSE BUNN_INNVENDIG
..DATAFANGSTDATO 20241015
..KVALITET 18 2 2 6 *
)" + kRunCoordinates + R"(.PUNKT 2:
..OBJTYPE Kum
..IDENT
...LOKALID 948eaf9c-6785-5d1e-a558-dc9ab8eea9fa
...NAVNEROM "https://va.vaga.kommune.no/ledningsnett"
..KOPLING
...KOPL_NAV -SK01
...KOPL_TYP KUM
...KOPL_BRU SK
...METODE B
...TYPE "Kum 1200 betong"
..STATUS W
..EIER "Vågå kommune"
..ANLEGGSÅR 2024
..PUNKTIDANL +P1=320.01-SK01
..HØYDEREFERANSE PÅ_BAKKEN
..DATAFANGSTDATO 20241015
..KVALITET 18 2 2 6 *
..NØH
703412345 56901234 1230
.PUNKT 3:
..OBJTYPE Kopling
..IDENT
...LOKALID 2c6efb68-49c3-599f-949d-2b05f6a86019
...NAVNEROM "https://va.vaga.kommune.no/ledningsnett"
..KOPLING
...KOPL_NAV H1
...TYPE Hydrant
..STATUS W
..EIER "Vågå kommune"
..ANLEGGSÅR 2024
..DATAFANGSTDATO 20241015
..KVALITET 18 2 2
..NØ
703414000 56903000
.SLUTT
)";
  const std::string bytes = small.Write(1);
  EXPECT_EQ(bytes, SosBytes(expected)) << Readable(bytes);
}

TEST(SosiExportRun, HeaderTakesCodesAndLeavesOutWhatIsEmpty) {
  TestNetwork net;
  LwdDeviceSet devices;
  devices.addDevice(net.hydrant);
  SosiHeaderTexts texts;
  texts.coordinateSystem = L"23: EUREF89 UTM33 NN2000";
  texts.status = L"E: Eksisterende";
  EXPECT_EQ(Readable(Export(devices, 0, texts)), R"(.HODE
..TEGNSETT ISO8859-10
..TRANSPAR
...KOORDSYS 23
...ORIGO-NØ 0 0
...ENHET 0.01
..OMRÅDE
...MIN-NØ 7034140 569030
...MAX-NØ 7034140 569030
..SOSI-VERSJON 4.5
..SOSI-NIVÅ 2
.PUNKT 1:
..OBJTYPE VA_Punkt
..IDENT
...LOKALID 61bdfd79-008c-5fc1-b31a-28c3e6bf2bac
...NAVNEROM "urn:ws-model"
..NAVN H1
..TYPE Hydrant
..STATUS E
..NØ
703414000 56903000
.SLUTT
)");
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

