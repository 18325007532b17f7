// The files the writer makes, read back by an independent SOSI reader: GDAL's
// SOSI driver, which is built on FYBA.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <regex>
#include <string>

#include "HostConsole.h"
#include "LmWSModel.h"
#include "LmWSModelSets.h"
#include "LmWsSosiMapper.h"
#include "SOSIMapperDataReader.h"
#include "TempDir.h"
#include "WideText.h"

namespace {

struct SampleModel : LmWSModelSets {
  explicit SampleModel(const std::filesystem::path& file) {
    std::unique_ptr<GmvGeodataXMLReadVisitor> visitor(
        GmvGeodataXMLFactory::getGeodataXMLReadVisitor(file.string().c_str()));
    if (!visitor || !visitor->openReader()) return;
    visitor->clearTable();
    std::unique_ptr<GmiGeodataSet> set(visitor->makeObject(visitor->getStartOrEndTag()));
    visitor->performMethods();
    visitor->closeReader();
    Map(set.get());
  }

  // What the file should hold, counted from the model itself.
  long Segments() const {
    return Count([](const LwdDevice* d) { return d->getClassId() == kClassDeviceSegment; });
  }
  long PositionedPointObjects() const {
    return Count([](const LwdDevice* d) {
      return IsPointObjectClass(d->getClassId()) &&
             static_cast<const LwdDevicePointObject*>(d)->getRelPoint() != nullptr;
    });
  }

  template <class Predicate>
  long Count(Predicate predicate) const {
    long count = 0;
    for (int i = 0; devices && i < devices->numDevices(); ++i) count += predicate(devices->getDevice(i)) ? 1 : 0;
    return count;
  }
};

// Writes the model with the shipped settings' tables of that variant.
bool Export(const SampleModel& model, int fileFormat, const std::filesystem::path& file) {
  auto settings = LoadSOSIMapperData(DataPath("WaterSewer/Config/Default/SOSIExport.cfg.xml").wstring());
  if (!settings) return false;
  settings->FileFormat = fileFormat;
  SOSIMapperData& s = *settings;
  LmWsSosiMapper mapper;
  mapper.SetSOSIFileFormat(static_cast<LmWsSosiMapper::eSOSIFileFormat>(fileFormat));
  return mapper.MapToSosi(platform::FromUtf8(file.string()).c_str(), model.devices.get(), model.nodeLinks.get(), {},
                          s.CurrentPipeTypes(), s.CurrentPipeUsage(), s.CurrentPipeMethod(), s.CurrentPipeSupply(),
                          s.CurrentPipeMaterials(), s.CurrentPipeMaterialsProductStandard(), s.CurrentConnectionTypes(),
                          s.CurrentConnectionUsage(), s.CurrentConnectionMethod(), nullptr, nullptr, nullptr,
                          s.CoordinateSystem.c_str(), s.Date.c_str(), s.Projection.c_str(), s.Quality.c_str(),
                          L"Vågå kommune", L"Rådgiver AS", s.MapId.c_str(), s.NetLevel.c_str(), s.Status.c_str(),
                          L"2024", s.StatusPipe.c_str(), s.StatusConnection.c_str(), s.GeometryQualityXY.c_str(),
                          s.GeometryQualityZ.c_str());
}

// ogrinfo on a copy in a fresh folder: FYBA leaves an index folder beside
// the file and may reuse a stale one. Standard error is kept too.
std::string OgrInfo(const std::filesystem::path& file) {
  TempDir fresh;
  const auto copy = fresh.File("export.sos");
  std::filesystem::copy_file(file, copy);
  const std::string command = "ogrinfo -ro -al '" + copy.string() + "' 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string output;
  char buffer[4096];
  while (pipe && std::fgets(buffer, sizeof buffer, pipe.get()) != nullptr) output += buffer;
  return output;
}

long FeatureCount(const std::string& output, const std::string& layer) {
  std::smatch match;
  if (!std::regex_search(output, match, std::regex("Layer name: " + layer + "\n(?:.*\n)*?Feature Count: (\\d+)"))) {
    return 0;
  }
  return std::stol(match[1]);
}

long GroupCount(const std::string& bytes, const std::string& group) {
  long count = 0;
  for (auto pos = bytes.find("\n." + group + " "); pos != std::string::npos;
       pos = bytes.find("\n." + group + " ", pos + 1)) {
    ++count;
  }
  return count;
}

bool HasOgrInfo() { return std::system("command -v ogrinfo > /dev/null 2>&1") == 0; }

}  // namespace

class SosiGdal : public testing::TestWithParam<int> {};

TEST_P(SosiGdal, ReadsEveryObjectOfTheSampleNetwork) {
  if (!HasOgrInfo()) GTEST_SKIP() << "ogrinfo (gdal-bin) is not installed";
  const SampleModel model(DataPath("samples/Ledningsnett_Eksempel.xml"));
  ASSERT_NE(model.devices, nullptr);
  TempDir dir;
  const auto file = dir.File("Ledningsnett_Eksempel.sos");
  platform::HostCapture capture;
  ASSERT_TRUE(Export(model, GetParam(), file));

  const long curves = model.Segments();
  const long points = model.PositionedPointObjects();
  ASSERT_GT(curves, 0);
  ASSERT_GT(points, 0);
  const std::string bytes = ReadBytes(file);
  EXPECT_EQ(GroupCount(bytes, "KURVE"), curves);
  EXPECT_EQ(GroupCount(bytes, "PUNKT"), points);
  EXPECT_NE(capture.CommandLine().find(L"written: " + std::to_wstring(curves) + L" curves, " + std::to_wstring(points) +
                                       L" points"),
            std::wstring::npos);

  const std::string output = OgrInfo(file);
  EXPECT_NE(output.find("using driver `SOSI' successful"), std::string::npos) << output;
  EXPECT_EQ(output.find("Error"), std::string::npos) << output;
  EXPECT_EQ(output.find("ERROR"), std::string::npos) << output;
  EXPECT_EQ(output.find("FAILURE"), std::string::npos) << output;
  EXPECT_EQ(FeatureCount(output, "lines"), curves);
  EXPECT_EQ(FeatureCount(output, "points"), points);
  // Norwegian letters arrive as such, and the coordinates where the model has them.
  EXPECT_NE(output.find("geodataeier (String) = Vågå kommune"), std::string::npos);
  EXPECT_NE(output.find("POINT (597000 6650000)"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(EveryVariant, SosiGdal, testing::Values(0, 1, 2));
