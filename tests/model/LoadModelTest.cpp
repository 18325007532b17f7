#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "HostConsole.h"
#include "LmWSModel.h"
#include "LmWsSosiExportUI.h"
#include "TempDir.h"
#include "WideText.h"

namespace {

const char* const kModel = R"(<?xml version="1.0" encoding="UTF-8"?>
<WsModel version="1">
  <Manhole id="101" name="-SK01" type="Kum" x="1" y="2"/>
  <Manhole id="102" name="-SK02" type="Kum" x="5" y="2"/>
  <Pipe id="201" name="SP 160 PVC" type="SP" material="PVC" shortMaterial="PVC">
    <Segment id="301" start="101" end="102"><V x="1" y="2"/><V x="5" y="2"/></Segment>
  </Pipe>
  <TrenchPath id="601" name="Grøft A" type="1" modified="1733400000">
    <Edge section="501" from="401" to="402" segments="301"/>
  </TrenchPath>
  <TrenchNode id="401" x="1" y="2" objects="101"/>
  <TrenchNode id="402" x="5" y="2" objects="102"/>
</WsModel>
)";

struct LoadResult {
  bool ok = false;
  std::wstring commandLine;
  std::unique_ptr<LwdDeviceSet> devices;
  LwcNodePointObjectLinkSet* nodeLinks = nullptr;
};

LoadResult Load(LmWsSosiExportUI& controller, const std::filesystem::path& file) {
  platform::HostCapture capture;
  LoadResult result;
  LwdDeviceSet* devices = nullptr;
  result.ok = controller.LoadModel(platform::FromUtf8(file.string()), devices, result.nodeLinks);
  result.devices.reset(devices);
  result.commandLine = capture.CommandLine();
  return result;
}

}  // namespace

TEST(LoadModel, AModelLoadsWithItsCompositesCountedAndItsTopologyKept) {
  TempDir dir;
  std::filesystem::create_directories(dir.File("Vågå"));
  LmWsSosiExportUI controller;
  const LoadResult result = Load(controller, dir.Write("Vågå/Ledningsnett_ø.xml", kModel));
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.commandLine, L"\n6 composites read.");
  EXPECT_EQ(result.devices->numDevices(), 4);
  ASSERT_NE(result.nodeLinks, nullptr);
  ASSERT_NE(controller.TrenchTopology(), nullptr);
  EXPECT_EQ(controller.TrenchTopology()->numTopologyObjects(), 1);
  EXPECT_NE(controller.SectionSegmentLinks(), nullptr);
}

TEST(LoadModel, AMissingFileIsReportedTwiceAndLoadsNothing) {
  TempDir dir;
  LmWsSosiExportUI controller;
  const auto missing = dir.File("absent.xml");
  const LoadResult result = Load(controller, missing);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.commandLine, L"\nRead " + platform::FromUtf8(missing.string()) + L" failed.\nNo composites read.");
  EXPECT_EQ(result.devices, nullptr);
  EXPECT_EQ(result.nodeLinks, nullptr);
  EXPECT_EQ(controller.TrenchTopology(), nullptr);
}

TEST(LoadModel, AnEmptyOrBrokenModelLoadsNothingAndAModelWithoutPathsHasNoTopology) {
  TempDir dir;
  const struct {
    const char* text;
    bool ok;
    std::wstring commandLine;
  } rows[] = {
      {"<WsModel version=\"1\"/>", false, L"\nNo composites read."},
      {"<WsModel version=\"1\"><Manhole", false, L"\nNo composites read."},  // the reader's own line comes first
      {"<WsModel version=\"1\"><Hydrant id=\"1\" name=\"H\" type=\"H\"/></WsModel>", true, L"\n1 composites read."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    LmWsSosiExportUI controller;
    const LoadResult result = Load(controller, dir.Write("model.xml", row.text));
    EXPECT_EQ(result.ok, row.ok);
    EXPECT_EQ(result.devices != nullptr, row.ok);
    EXPECT_TRUE(result.commandLine.ends_with(row.commandLine));
    EXPECT_EQ(result.commandLine.find(L"failed."), std::wstring::npos);
    EXPECT_EQ(controller.TrenchTopology(), nullptr);
    EXPECT_TRUE(row.ok || controller.SectionSegmentLinks() == nullptr);
  }
}
