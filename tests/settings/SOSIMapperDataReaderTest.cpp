#include <gtest/gtest.h>

#include <chrono>

#include "SOSIMapperDataReader.h"
#include "TempDir.h"

namespace {

std::unique_ptr<SOSIMapperData> LoadText(const TempDir& dir, const std::string& xml) {
  return LoadSOSIMapperData(dir.Write("settings.xml", xml).wstring());
}

std::unique_ptr<SOSIMapperData> LoadRoot(const TempDir& dir, const std::string& children) {
  return LoadText(dir, "<SOSIMapperData>" + children + "</SOSIMapperData>");
}

}  // namespace

TEST(LoadSOSIMapperData, EmptyRootGivesTheDefaults) {
  TempDir dir;
  auto data = LoadText(dir, "<SOSIMapperData xmlns:xsd='http://www.w3.org/2001/XMLSchema'/>");
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(*data, SOSIMapperData());
}

TEST(LoadSOSIMapperData, ElementWithoutTextEmptiesItsField) {
  TempDir dir;
  auto data = LoadRoot(dir, "<CoordinateSystem/><Projection></Projection><GeometryQualityZ>  </GeometryQualityZ>");
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->CoordinateSystem, L"");
  EXPECT_EQ(data->Projection, L"");
  EXPECT_EQ(data->GeometryQualityZ, L"  ");
  EXPECT_EQ(data->Date, L"Euref 89");
}

TEST(LoadSOSIMapperData, FileFormatTakesLeadingDigitsAndEmptyKeepsOne) {
  TempDir dir;
  const std::pair<std::string, int> cases[] = {
      {"<FileFormat> 2</FileFormat>", 2}, {"<FileFormat>2a</FileFormat>", 2}, {"<FileFormat>abc</FileFormat>", 0},
      {"<FileFormat/>", 1},               {"<FileFormat>-3</FileFormat>", -3}, {"", 1},
  };
  for (const auto& [xml, expected] : cases) {
    auto data = LoadRoot(dir, xml);
    ASSERT_NE(data, nullptr) << xml;
    EXPECT_EQ(data->FileFormat, expected) << xml;
  }
}

TEST(LoadSOSIMapperData, LaterTableOfTheSameFileModeReplacesTheEarlier) {
  TempDir dir;
  auto data = LoadRoot(dir,
                       "<PipeTypes FileMode='2'><KeyValuePair Key='A' Name='SP' Description='S'/>"
                       "<KeyValuePair Key='B' Name='OV' Description='O'/></PipeTypes>"
                       "<PipeTypes FileMode='2'><KeyValuePair Key='C' Name='VL' Description='V' Group='1'/></PipeTypes>");
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->PipeTypes, (FeatureTablesByFormat{{2, {{L"C", CWsFeature(L"VL", L"V", 1)}}}}));
}

TEST(LoadSOSIMapperData, TableWithoutFileModeGoesWhereThePreviousOneWent) {
  TempDir dir;
  auto data = LoadRoot(dir,
                       "<PipeUsage><KeyValuePair Key='a' Name='A' Description=''/></PipeUsage>"
                       "<PipeMethod FileMode='-1'><KeyValuePair Key='m' Name='M' Description=''/></PipeMethod>"
                       "<PipeMethod><KeyValuePair Key='n' Name='N' Description=''/></PipeMethod>"
                       "<PipeMethod FileMode='3'/>"
                       "<PipeSupply FileMode='4'><KeyValuePair Key='s' Name='S' Description=''/></PipeSupply>"
                       "<PipeSupply><KeyValuePair Key='t' Name='T' Description=''/></PipeSupply>");
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->PipeUsage, (FeatureTablesByFormat{{0, {{L"a", CWsFeature(L"A", L"")}}}}));
  EXPECT_EQ(data->PipeMethod, (FeatureTablesByFormat{{3, {}}}));
  EXPECT_EQ(data->PipeSupply, (FeatureTablesByFormat{{4, {{L"t", CWsFeature(L"T", L"")}}}}));
}

TEST(LoadSOSIMapperData, PairWithoutKeyLandsUnderThePreviousKey) {
  TempDir dir;
  auto data = LoadRoot(dir,
                       "<ConnectionTypes FileMode='1'><KeyValuePair Key='' Name='X' Description=''/>"
                       "<KeyValuePair Key='Kum' Name='KUM' Description='Kum'/><KeyValuePair Name='SLK' Description='Sluk'/>"
                       "</ConnectionTypes>"
                       "<ConnectionTypes FileMode='2'><KeyValuePair Name='SAN' Description='Sandfang'/></ConnectionTypes>");
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->ConnectionTypes,
            (FeatureTablesByFormat{{1, {{L"Kum", CWsFeature(L"SLK", L"Sluk")}, {L"", CWsFeature(L"X", L"")}}},
                                   {2, {{L"Kum", CWsFeature(L"SAN", L"Sandfang")}}}}));
}

TEST(LoadSOSIMapperData, OtherOrderReadsTheSameAndTheFirstOfTwoCounts) {
  TempDir dir;
  auto data = LoadRoot(dir,
                       "<PipeTypes FileMode='1'><KeyValuePair Key='k' Name='SP' Description='d' Group='2'/></PipeTypes>"
                       "<Status>P: Prosjektert</Status><Unknown>x</Unknown><MapId>Først</MapId><FileFormat>2</FileFormat>"
                       "<MapId>Sist</MapId><FileName>/ut/Vågå.sos</FileName>");
  ASSERT_NE(data, nullptr);
  SOSIMapperData expected;
  expected.PipeTypes[1][L"k"] = CWsFeature(L"SP", L"d", 2);
  expected.Status = L"P: Prosjektert";
  expected.MapId = L"Først";
  expected.FileFormat = 2;
  expected.FileName = L"/ut/Vågå.sos";
  EXPECT_EQ(*data, expected);
}

TEST(LoadSOSIMapperData, PathWithoutExtensionIsLookedForAsXml) {
  TempDir dir;
  dir.Write("Area1.xml", "<SOSIMapperData><Owner>Kommunen</Owner></SOSIMapperData>");
  auto data = LoadSOSIMapperData((dir.Path() / "Area1").wstring());
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->Owner, L"Kommunen");
  dir.Write("Area1.SOSIExport.cfg.xml", "<SOSIMapperData/>");
  EXPECT_EQ(LoadSOSIMapperData((dir.Path() / "Area1.SOSIExport.cfg").wstring()), nullptr);
}

TEST(LoadSOSIMapperData, UnusableFilesGiveNull) {
  TempDir dir;
  EXPECT_EQ(LoadSOSIMapperData(L""), nullptr);
  EXPECT_EQ(LoadSOSIMapperData((dir.Path() / "missing.xml").wstring()), nullptr);
  const char* unusable[] = {
      "<SOSIExportFileFormats><FileFormat/></SOSIExportFileFormats>",
      "<Settings><SOSIMapperData/></Settings>",
      "<SOSIMapperData><FileName>a</FileName><CoordinateSystem>3</Coordinate",
      "<SOSIMapperData><PipeTypes FileMode='to'/></SOSIMapperData>",
      "<SOSIMapperData><PipeTypes FileMode='99999999999'/></SOSIMapperData>",
      ("<SOSIMapperData><PipeMaterials FileMode='2'><KeyValuePair Key='k' Name='A' Description='' Group='1x'/>"
       "</PipeMaterials></SOSIMapperData>"),
  };
  for (const char* xml : unusable) EXPECT_EQ(LoadText(dir, xml), nullptr) << xml;
}

TEST(LoadSOSIMapperData, FiftyMegabyteFileIsReadWhole) {
  TempDir dir;
  std::string xml = "<SOSIMapperData><PipeTypes FileMode='1'>";
  const std::string description(90, 'x');
  int pairs = 0;
  while (xml.size() < 50u * 1024 * 1024) {
    xml += "<KeyValuePair Key='" + std::to_string(pairs++) + "' Name='SP' Description='" + description + "'/>";
  }
  xml += "</PipeTypes><Owner>Etter</Owner></SOSIMapperData>";
  const auto start = std::chrono::steady_clock::now();
  auto data = LoadText(dir, xml);
  ASSERT_NE(data, nullptr);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
  EXPECT_EQ(data->PipeTypes[1].size(), static_cast<size_t>(pairs));
  EXPECT_EQ(data->PipeTypes[1].at(std::to_wstring(pairs - 1)).Description().size(), description.size());
  EXPECT_EQ(data->Owner, L"Etter");
}

TEST(LoadSOSIMapperData, EntityDefinitionsAreNotExpanded) {
  TempDir dir;
  std::string xml = "<?xml version='1.0'?><!DOCTYPE SOSIMapperData [<!ENTITY e0 'lol'>";
  for (int i = 1; i < 10; ++i) {
    xml += "<!ENTITY e" + std::to_string(i) + " '";
    for (int k = 0; k < 10; ++k) xml += "&e" + std::to_string(i - 1) + ";";
    xml += "'>";
  }
  xml += "]><SOSIMapperData><MapId>&e9;</MapId></SOSIMapperData>";
  auto data = LoadText(dir, xml);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->MapId, L"&e9;");
}
