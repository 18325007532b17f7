#include <gtest/gtest.h>

#include <chrono>

#include "SOSIMapperDataReader.h"
#include "TempDir.h"

class SettingsReader : public ::testing::Test {
 protected:
  std::unique_ptr<SOSIMapperData> LoadText(const std::string& xml) {
    return LoadSOSIMapperData(dir.Write("settings.xml", xml).wstring());
  }
  // The record read from a root with these children; the defaults when none is read.
  SOSIMapperData Loaded(const std::string& children) {
    auto data = LoadText("<SOSIMapperData>" + children + "</SOSIMapperData>");
    EXPECT_NE(data, nullptr) << children;
    return data ? *data : SOSIMapperData();
  }

  TempDir dir;
};

TEST_F(SettingsReader, EmptyRootGivesTheDefaults) {
  auto data = LoadText("<SOSIMapperData xmlns:xsd='http://www.w3.org/2001/XMLSchema'/>");
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(*data, SOSIMapperData());
}

TEST_F(SettingsReader, ElementWithoutTextEmptiesItsField) {
  const SOSIMapperData data = Loaded("<CoordinateSystem/><Projection></Projection><GeometryQualityZ>  </GeometryQualityZ>");
  EXPECT_EQ(data.CoordinateSystem, L"");
  EXPECT_EQ(data.Projection, L"");
  EXPECT_EQ(data.GeometryQualityZ, L"  ");
  EXPECT_EQ(data.Date, L"Euref 89");
}

TEST_F(SettingsReader, FileFormatTakesLeadingDigitsAndEmptyKeepsOne) {
  const std::pair<std::string, int> cases[] = {
      {"<FileFormat> 2</FileFormat>", 2}, {"<FileFormat>2a</FileFormat>", 2}, {"<FileFormat>abc</FileFormat>", 0},
      {"<FileFormat/>", 1},               {"<FileFormat>-3</FileFormat>", -3}, {"", 1},
  };
  for (const auto& [xml, expected] : cases) EXPECT_EQ(Loaded(xml).FileFormat, expected) << xml;
}

TEST_F(SettingsReader, LaterTableOfTheSameFileModeReplacesTheEarlier) {
  const SOSIMapperData data =
      Loaded("<PipeTypes FileMode='2'><KeyValuePair Key='A' Name='SP' Description='S'/>"
             "<KeyValuePair Key='B' Name='OV' Description='O'/></PipeTypes>"
             "<PipeTypes FileMode='2'><KeyValuePair Key='C' Name='VL' Description='V' Group='1'/></PipeTypes>");
  EXPECT_EQ(data.PipeTypes, (FeatureTablesByFormat{{2, {{L"C", CWsFeature(L"VL", L"V", 1)}}}}));
}

TEST_F(SettingsReader, TableWithoutFileModeGoesWhereThePreviousOneWent) {
  const SOSIMapperData data =
      Loaded("<PipeUsage><KeyValuePair Key='a' Name='A' Description=''/></PipeUsage>"
             "<PipeMethod FileMode='-1'><KeyValuePair Key='m' Name='M' Description=''/></PipeMethod>"
             "<PipeMethod><KeyValuePair Key='n' Name='N' Description=''/></PipeMethod>"
             "<PipeMethod FileMode='3'/>"
             "<PipeSupply FileMode='4'><KeyValuePair Key='s' Name='S' Description=''/></PipeSupply>"
             "<PipeSupply><KeyValuePair Key='t' Name='T' Description=''/></PipeSupply>");
  EXPECT_EQ(data.PipeUsage, (FeatureTablesByFormat{{0, {{L"a", CWsFeature(L"A", L"")}}}}));
  EXPECT_EQ(data.PipeMethod, (FeatureTablesByFormat{{3, {}}}));
  EXPECT_EQ(data.PipeSupply, (FeatureTablesByFormat{{4, {{L"t", CWsFeature(L"T", L"")}}}}));
}

TEST_F(SettingsReader, PairWithoutKeyLandsUnderThePreviousKey) {
  const SOSIMapperData data =
      Loaded("<ConnectionTypes FileMode='1'><KeyValuePair Key='' Name='X' Description=''/>"
             "<KeyValuePair Key='Kum' Name='KUM' Description='Kum'/><KeyValuePair Name='SLK' Description='Sluk'/>"
             "</ConnectionTypes>"
             "<ConnectionTypes FileMode='2'><KeyValuePair Name='SAN' Description='Sandfang'/></ConnectionTypes>");
  EXPECT_EQ(data.ConnectionTypes,
            (FeatureTablesByFormat{{1, {{L"Kum", CWsFeature(L"SLK", L"Sluk")}, {L"", CWsFeature(L"X", L"")}}},
                                   {2, {{L"Kum", CWsFeature(L"SAN", L"Sandfang")}}}}));
}

TEST_F(SettingsReader, OtherOrderReadsTheSameAndTheFirstOfTwoCounts) {
  SOSIMapperData expected;
  expected.PipeTypes[1][L"k"] = CWsFeature(L"SP", L"d", 2);
  expected.Status = L"P: Prosjektert";
  expected.MapId = L"Først";
  expected.FileFormat = 2;
  expected.FileName = L"/ut/Vågå.sos";
  EXPECT_EQ(Loaded("<PipeTypes FileMode='1'><KeyValuePair Key='k' Name='SP' Description='d' Group='2'/></PipeTypes>"
                   "<Status>P: Prosjektert</Status><Unknown>x</Unknown><MapId>Først</MapId><FileFormat>2</FileFormat>"
                   "<MapId>Sist</MapId><FileName>/ut/Vågå.sos</FileName>"),
            expected);
}

TEST_F(SettingsReader, PathWithoutExtensionIsLookedForAsXml) {
  dir.Write("Area1.xml", "<SOSIMapperData><Owner>Kommunen</Owner></SOSIMapperData>");
  auto data = LoadSOSIMapperData((dir.Path() / "Area1").wstring());
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->Owner, L"Kommunen");
  dir.Write("Area1.SOSIExport.cfg.xml", "<SOSIMapperData/>");
  EXPECT_EQ(LoadSOSIMapperData((dir.Path() / "Area1.SOSIExport.cfg").wstring()), nullptr);
}

TEST_F(SettingsReader, UnusableFilesGiveNull) {
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
  for (const char* xml : unusable) EXPECT_EQ(LoadText(xml), nullptr) << xml;
}

TEST_F(SettingsReader, FiftyMegabyteFileIsReadWhole) {
  std::string xml = "<PipeTypes FileMode='1'>";
  const std::string description(90, 'x');
  int pairs = 0;
  while (xml.size() < 50u * 1024 * 1024) {
    xml += "<KeyValuePair Key='" + std::to_string(pairs++) + "' Name='SP' Description='" + description + "'/>";
  }
  const auto start = std::chrono::steady_clock::now();
  SOSIMapperData data = Loaded(xml + "</PipeTypes><Owner>Etter</Owner>");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
  EXPECT_EQ(data.PipeTypes[1].size(), static_cast<size_t>(pairs));
  EXPECT_EQ(data.PipeTypes[1][std::to_wstring(pairs - 1)].Description().size(), description.size());
  EXPECT_EQ(data.Owner, L"Etter");
}

TEST_F(SettingsReader, EntityDefinitionsAreNotExpanded) {
  std::string xml = "<?xml version='1.0'?><!DOCTYPE SOSIMapperData [<!ENTITY e0 'lol'>";
  for (int i = 1; i < 10; ++i) {
    xml += "<!ENTITY e" + std::to_string(i) + " '";
    for (int k = 0; k < 10; ++k) xml += "&e" + std::to_string(i - 1) + ";";
    xml += "'>";
  }
  auto data = LoadText(xml + "]><SOSIMapperData><MapId>&e9;</MapId></SOSIMapperData>");
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->MapId, L"&e9;");
}
