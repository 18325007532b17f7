#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <vector>

#include "SOSIMapperDataReader.h"
#include "SOSIMapperDataWriter.h"
#include "TempDir.h"

namespace {

const std::string kDefaultFile =
    "<SOSIMapperData xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
    "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"
    "<FileName></FileName><CoordinateSystem>3</CoordinateSystem><Projection>UTM</Projection>"
    "<Date>Euref 89</Date><Quality>20 2 2</Quality><MapId>Lumiro VA</MapId><Producer></Producer>"
    "<Owner></Owner><Year></Year><NetLevel></NetLevel><Status></Status><FileFormat>1</FileFormat>"
    "<StatusPipe></StatusPipe><StatusConnection></StatusConnection><GeometryQualityXY></GeometryQualityXY>"
    "<GeometryQualityZ></GeometryQualityZ>";

std::vector<std::filesystem::path> Listing(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  return names;
}

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

TEST(SaveSOSIMapperData, DefaultRecordGivesTheSixteenTextElements) {
  TempDir dir;
  ASSERT_TRUE(SaveSOSIMapperData(SOSIMapperData(), dir.File("s.xml").wstring()));
  EXPECT_EQ(ReadBytes(dir.File("s.xml")), kDefaultFile + "</SOSIMapperData>");
}

TEST(SaveSOSIMapperData, TablesFollowTheFixedOrderThenFileModeThenKey) {
  TempDir dir;
  SOSIMapperData data;
  data.FileFormat = -12;
  data.PipeMaterialsProductStandard[0];
  data.PipeTypes[2][L"b"] = CWsFeature(L"OV", L"Overvann", 0);
  data.PipeTypes[2][L"a"] = CWsFeature(L"", L"Tapt", 5);
  data.PipeTypes[1][L"Å"] = CWsFeature(L"SP", L"Spillvann & \"<drens>\"", -3);
  data.ConnectionTypes[7][L"K"] = CWsFeature(L"KUM", L"", 12);
  ASSERT_TRUE(SaveSOSIMapperData(data, dir.File("s.xml").wstring()));
  std::string expected = kDefaultFile;
  expected.replace(expected.find("<FileFormat>1<"), 14, "<FileFormat>-12<");
  expected +=
      "<PipeTypes FileMode=\"1\"><KeyValuePair Key=\"Å\" Name=\"SP\" Description=\"Spillvann &amp; &quot;&lt;drens>&quot;\"/>"
      "</PipeTypes><PipeTypes FileMode=\"2\"><KeyValuePair Key=\"a\"/>"
      "<KeyValuePair Key=\"b\" Name=\"OV\" Description=\"Overvann\" Group=\"0\"/></PipeTypes>"
      "<ConnectionTypes FileMode=\"7\"><KeyValuePair Key=\"K\" Name=\"KUM\" Description=\"\" Group=\"12\"/>"
      "</ConnectionTypes><PipeMaterialsProductStandard FileMode=\"0\"/></SOSIMapperData>";
  EXPECT_EQ(ReadBytes(dir.File("s.xml")), expected);
}

TEST(SaveSOSIMapperData, NineTableKindsInTheirFixedOrder) {
  TempDir dir;
  SOSIMapperData data;
  const std::vector<std::pair<std::string, FeatureTablesByFormat*>> order = {
      {"PipeTypes", &data.PipeTypes},
      {"PipeUsage", &data.PipeUsage},
      {"PipeMethod", &data.PipeMethod},
      {"PipeSupply", &data.PipeSupply},
      {"ConnectionTypes", &data.ConnectionTypes},
      {"ConnectionUsage", &data.ConnectionUsage},
      {"ConnectionMethod", &data.ConnectionMethod},
      {"PipeMaterials", &data.PipeMaterials},
      {"PipeMaterialsProductStandard", &data.PipeMaterialsProductStandard},
  };
  for (const auto& [name, tables] : order) (*tables)[1];
  ASSERT_TRUE(SaveSOSIMapperData(data, dir.File("s.xml").wstring()));
  std::string expected = kDefaultFile;
  for (const auto& [name, tables] : order) expected += "<" + name + " FileMode=\"1\"/>";
  EXPECT_EQ(ReadBytes(dir.File("s.xml")), expected + "</SOSIMapperData>");
}

TEST(SaveSOSIMapperData, PathWithoutExtensionGetsXml) {
  TempDir dir;
  ASSERT_TRUE(SaveSOSIMapperData(SOSIMapperData(), (dir.Path() / "Area1").wstring()));
  EXPECT_EQ(Listing(dir.Path()), std::vector<std::filesystem::path>{"Area1.xml"});
}

TEST(SaveSOSIMapperData, UnwritablePlacesGiveFalseAndLeaveNothing) {
  TempDir dir;
  dir.Write("file", "x");
  std::filesystem::create_directory(dir.File("folder.xml"));
  EXPECT_FALSE(SaveSOSIMapperData(SOSIMapperData(), (dir.Path() / "missing" / "s.xml").wstring()));
  EXPECT_FALSE(SaveSOSIMapperData(SOSIMapperData(), (dir.Path() / "file" / "s.xml").wstring()));
  EXPECT_FALSE(SaveSOSIMapperData(SOSIMapperData(), dir.File("folder").wstring()));  // completed to folder.xml
  EXPECT_FALSE(SaveSOSIMapperData(SOSIMapperData(), L"/" + std::wstring(300, L'n')));
  EXPECT_EQ(Listing(dir.Path()).size(), 2u);
  EXPECT_TRUE(std::filesystem::is_empty(dir.File("folder.xml")));
}

TEST(SaveSOSIMapperData, FailedWriteKeepsTheExistingFileByteForByte) {
  TempDir dir;
  const std::string old = "<SOSIMapperData><Owner>Gammel</Owner></SOSIMapperData>";
  const auto file = dir.Write("s.xml", old);
  SOSIMapperData data;
  data.Owner = L"Ny";
  {
    FileSizeLimit limit(100);
    EXPECT_FALSE(SaveSOSIMapperData(data, file.wstring()));
  }
  EXPECT_EQ(ReadBytes(file), old);
  EXPECT_EQ(Listing(dir.Path()), std::vector<std::filesystem::path>{"s.xml"});
  ASSERT_TRUE(SaveSOSIMapperData(data, file.wstring()));
  EXPECT_EQ(LoadSOSIMapperData(file.wstring())->Owner, L"Ny");
}
