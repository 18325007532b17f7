#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "SOSIMapperDataReader.h"
#include "SOSIMapperDataWriter.h"
#include "TempDir.h"
#include "WideText.h"

namespace {

const std::string kDefaultFile =
    "<SOSIMapperData xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
    "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"
    "<FileName></FileName><CoordinateSystem>3</CoordinateSystem><Projection>UTM</Projection>"
    "<Date>Euref 89</Date><Quality>20 2 2</Quality><MapId>Lumiro VA</MapId><Producer></Producer>"
    "<Owner></Owner><Year></Year><NetLevel></NetLevel><Status></Status><FileFormat>1</FileFormat>"
    "<StatusPipe></StatusPipe><StatusConnection></StatusConnection><GeometryQualityXY></GeometryQualityXY>"
    "<GeometryQualityZ></GeometryQualityZ>";

class SettingsFile : public ::testing::Test {
 protected:
  std::unique_ptr<SOSIMapperData> LoadText(const std::string& xml) {
    return LoadSOSIMapperData(dir.Write("settings.xml", xml).wstring());
  }
  // The record read from a root with these children.
  SOSIMapperData Loaded(const std::string& children) {
    auto data = LoadText("<SOSIMapperData>" + children + "</SOSIMapperData>");
    EXPECT_NE(data, nullptr) << children;
    return data ? *data : SOSIMapperData();
  }
  std::string Saved(const SOSIMapperData& data) {
    EXPECT_TRUE(SaveSOSIMapperData(data, dir.File("s.xml").wstring()));
    return ReadBytes(dir.File("s.xml"));
  }

  TempDir dir;
};

// Limits the size of files this process may write, as a full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit saved_{};
  sighandler_t previous_;
};

}  // namespace

TEST_F(SettingsFile, TextFieldsAndFileFormatAsStored) {
  EXPECT_EQ(*LoadText("<SOSIMapperData xmlns:xsd='http://www.w3.org/2001/XMLSchema'/>"), SOSIMapperData());
  const SOSIMapperData data = Loaded("<CoordinateSystem/><GeometryQualityZ>  </GeometryQualityZ>");
  EXPECT_EQ(data.CoordinateSystem, L"");
  EXPECT_EQ(data.GeometryQualityZ, L"  ");
  EXPECT_EQ(data.Date, L"Euref 89");
  const std::pair<std::string, int> formats[] = {
      {"<FileFormat> 2</FileFormat>", 2}, {"<FileFormat>2a</FileFormat>", 2}, {"<FileFormat>abc</FileFormat>", 0},
      {"<FileFormat/>", 1},               {"<FileFormat>-3</FileFormat>", -3},
  };
  for (const auto& [xml, expected] : formats) EXPECT_EQ(Loaded(xml).FileFormat, expected) << xml;
}

TEST_F(SettingsFile, TablesGoByFileModeAndKeysCarryOver) {
  const SOSIMapperData data =
      Loaded("<PipeTypes FileMode='2'><KeyValuePair Key='A' Name='SP' Description='S'/></PipeTypes>"
             "<PipeTypes FileMode='2'><KeyValuePair Key='C' Name='VL' Description='V' Group='1'/></PipeTypes>"
             "<PipeUsage><KeyValuePair Key='a' Name='A' Description=''/></PipeUsage>"
             "<PipeSupply FileMode='4'><KeyValuePair Key='s' Name='S' Description=''/></PipeSupply>"
             "<PipeSupply><KeyValuePair Key='t' Name='T' Description=''/></PipeSupply>"
             "<ConnectionTypes FileMode='1'><KeyValuePair Key='Kum' Name='KUM' Description='Kum'/>"
             "<KeyValuePair Name='SLK' Description='Sluk'/></ConnectionTypes>");
  EXPECT_EQ(data.PipeTypes, (FeatureTablesByFormat{{2, {{L"C", CWsFeature(L"VL", L"V", 1)}}}}));
  EXPECT_EQ(data.PipeUsage, (FeatureTablesByFormat{{0, {{L"a", CWsFeature(L"A", L"")}}}}));
  EXPECT_EQ(data.PipeSupply, (FeatureTablesByFormat{{4, {{L"t", CWsFeature(L"T", L"")}}}}));
  EXPECT_EQ(data.ConnectionTypes, (FeatureTablesByFormat{{1, {{L"Kum", CWsFeature(L"SLK", L"Sluk")}}}}));
}

TEST_F(SettingsFile, UnusableFilesGiveNull) {
  EXPECT_EQ(LoadSOSIMapperData(L""), nullptr);
  EXPECT_EQ(LoadSOSIMapperData((dir.Path() / "missing.xml").wstring()), nullptr);
  const char* unusable[] = {
      "<Settings><SOSIMapperData/></Settings>",
      "<SOSIMapperData><FileName>a</FileName><CoordinateSystem>3</Coordinate",
      "<SOSIMapperData><PipeTypes FileMode='99999999999'/></SOSIMapperData>",
      "<SOSIMapperData><PipeMaterials FileMode='2'><KeyValuePair Key='k' Group='1x'/></PipeMaterials></SOSIMapperData>",
  };
  for (const char* xml : unusable) EXPECT_EQ(LoadText(xml), nullptr) << xml;
}

TEST_F(SettingsFile, EntityDefinitionsAreNotExpanded) {
  std::string xml = "<?xml version='1.0'?><!DOCTYPE SOSIMapperData [<!ENTITY e0 'lol'>";
  for (int i = 1; i < 10; ++i) {
    xml += "<!ENTITY e" + std::to_string(i) + " '";
    for (int k = 0; k < 10; ++k) xml += "&e" + std::to_string(i - 1) + ";";
    xml += "'>";
  }
  EXPECT_EQ(LoadText(xml + "]><SOSIMapperData><MapId>&e9;</MapId></SOSIMapperData>")->MapId, L"&e9;");
}

TEST_F(SettingsFile, WriterKeepsTheFixedOrderThenFileModeThenKey) {
  SOSIMapperData data;
  data.FileFormat = -12;
  data.PipeMaterialsProductStandard[0];
  data.PipeTypes[2][L"b"] = CWsFeature(L"OV", L"Overvann", 0);
  data.PipeTypes[2][L"a"] = CWsFeature(L"", L"Tapt", 5);
  data.PipeTypes[1][L"Å"] = CWsFeature(L"SP", L"Spillvann & \"<drens>\"", -3);
  data.ConnectionTypes[7][L"K"] = CWsFeature(L"KUM", L"", 12);
  std::string expected = kDefaultFile;
  expected.replace(expected.find("<FileFormat>1<"), 14, "<FileFormat>-12<");
  expected +=
      "<PipeTypes FileMode=\"1\"><KeyValuePair Key=\"Å\" Name=\"SP\" Description=\"Spillvann &amp; &quot;&lt;drens>&quot;\"/>"
      "</PipeTypes><PipeTypes FileMode=\"2\"><KeyValuePair Key=\"a\"/>"
      "<KeyValuePair Key=\"b\" Name=\"OV\" Description=\"Overvann\" Group=\"0\"/></PipeTypes>"
      "<ConnectionTypes FileMode=\"7\"><KeyValuePair Key=\"K\" Name=\"KUM\" Description=\"\" Group=\"12\"/>"
      "</ConnectionTypes><PipeMaterialsProductStandard FileMode=\"0\"/></SOSIMapperData>";
  EXPECT_EQ(Saved(data), expected);
}

TEST_F(SettingsFile, RecordReadsBackEqualExceptCodelessAndNegativeGroup) {
  SOSIMapperData data;
  data.FileName = L"/ut/Vågå \"nett\"\n<1>.sos";
  data.Owner = L"Æ&Ø'\t";
  data.FileFormat = -2147483647 - 1;
  data.PipeMaterials[2][L"Støpejern"] = CWsFeature(L"SJK", L"Duktilt", 3);
  data.ConnectionMethod[0][L""] = CWsFeature(L"K", L"", 0);
  const auto file = dir.File("Ledningsnett_ø.SOSIExport.cfg.xml");
  const std::wstring path = platform::FromUtf8(file.string());
  ASSERT_TRUE(SaveSOSIMapperData(data, path));
  EXPECT_EQ(*LoadSOSIMapperData(path), data);

  data.PipeSupply[1][L"uten kode"] = CWsFeature(L"", L"Beskrivelse", 4);
  data.PipeSupply[1][L"uten gruppe"] = CWsFeature(L"SP", L"Spillvann", -7);
  ASSERT_TRUE(SaveSOSIMapperData(data, path));
  auto read = LoadSOSIMapperData(path);
  EXPECT_EQ(read->PipeSupply[1].at(L"uten kode"), CWsFeature());
  EXPECT_EQ(read->PipeSupply[1].at(L"uten gruppe"), CWsFeature(L"SP", L"Spillvann", CWsFeature::kNoGroup));
}

TEST_F(SettingsFile, PathWithoutExtensionIsCompletedWithXml) {
  SOSIMapperData data;
  data.Owner = L"Kommunen";
  ASSERT_TRUE(SaveSOSIMapperData(data, (dir.Path() / "Area1").wstring()));
  EXPECT_TRUE(std::filesystem::exists(dir.File("Area1.xml")));
  EXPECT_EQ(LoadSOSIMapperData((dir.Path() / "Area1").wstring())->Owner, L"Kommunen");
}

TEST_F(SettingsFile, FailedWriteLeavesNothingAndKeepsTheExistingFile) {
  std::filesystem::create_directory(dir.File("folder.xml"));
  EXPECT_FALSE(SaveSOSIMapperData(SOSIMapperData(), (dir.Path() / "missing" / "s.xml").wstring()));
  EXPECT_FALSE(SaveSOSIMapperData(SOSIMapperData(), dir.File("folder").wstring()));
  EXPECT_TRUE(std::filesystem::is_empty(dir.File("folder.xml")));

  const std::string old = "<SOSIMapperData><Owner>Gammel</Owner></SOSIMapperData>";
  const auto file = dir.Write("s.xml", old);
  {
    FileSizeLimit limit(100);
    EXPECT_FALSE(SaveSOSIMapperData(SOSIMapperData(), file.wstring()));
  }
  EXPECT_EQ(ReadBytes(file), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);
}

TEST(SOSIMapperData, CurrentTableIsTheOneOfTheFileFormatOrNull) {
  SOSIMapperData data;
  EXPECT_EQ(data.CurrentPipeTypes(), nullptr);
  data.PipeTypes[1][L"Spillvann"] = CWsFeature(L"SP", L"Spillvannsledning");
  data.PipeTypes[2][L"Overvann"] = CWsFeature(L"OV", L"Overvannsledning", 4);
  EXPECT_EQ(data.CurrentPipeTypes(), &data.PipeTypes[1]);
  data.FileFormat = 2;
  EXPECT_EQ(data.CurrentPipeTypes(), &data.PipeTypes[2]);
  const SOSIMapperData before = data;
  data.FileFormat = 5;
  EXPECT_EQ(data.CurrentPipeTypes(), nullptr);
  EXPECT_EQ(data.CurrentConnectionMethod(), nullptr);
  data.FileFormat = 2;
  EXPECT_EQ(data, before);
}
