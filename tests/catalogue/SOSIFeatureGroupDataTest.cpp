#include <gtest/gtest.h>

#include "SOSIFeatureGroupData.h"
#include "TempDir.h"

namespace {

std::string Groups(const std::string& groups) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SOSIFeatureGroupData>" + groups + "</SOSIFeatureGroupData>";
}

SOSIFeatureGroupData Read(const std::string& groups) {
  TempDir dir;
  SOSIFeatureGroupData holder;
  ReadFeatureGroupFile(dir.Write("groups.xml", Groups(groups)).wstring(), holder);
  return holder;
}

size_t TotalEntries(const SOSIFeatureGroupData& h) {
  return h.PipeTypeFeatures().size() + h.PipeUsageFeatures().size() + h.PipeMethodFeatures().size() +
         h.PipeSupplyFeatures().size() + h.ConnectionTypeFeatures().size() + h.ConnectionUsageFeatures().size() +
         h.ConnectionMethodFeatures().size() + h.PipeMaterialFeatures().size() +
         h.PipeMaterialProductStandardFeatures().size() + h.NetworkLevelFeatures().size() +
         h.SosiStatusFeatures().size() + h.PipeStatusFeatures().size() + h.ConnectionStatusFeatures().size() +
         h.GeometryQualityXYFeatures().size() + h.GeometryQualityZFeatures().size();
}

// A code list and a text list.
const char* kTwoGroups =
    "<PipeTypeFeatures><Feature Name='SP' Description='Spillvannsledning' Group='2'/></PipeTypeFeatures>"
    "<NetworkLevelFeatures><Feature Name='H' Description='Hovednett'/></NetworkLevelFeatures>";

}  // namespace

TEST(SOSIFeatureGroupData, SwitchingVariantsNeverKeepsListsOfTheEarlierFile) {
  TempDir dir;
  dir.Write("SOSIExport.FeatureGroups.Gemini.xml", Groups(kTwoGroups));
  dir.Write("SOSIExport.FeatureGroups.GISLINE.xml",
            Groups("<PipeTypeFeatures><Feature Name='VL' Description='Vannledning' Group='1'/></PipeTypeFeatures>"));
  const std::wstring folder = dir.Path().wstring() + L"/";
  SOSIFeatureGroupData holder;

  LoadFeatureGroups(folder, 1, holder);
  EXPECT_EQ(TotalEntries(holder), 1u);
  EXPECT_EQ(holder.PipeTypeFeatures().at(0).Feature(), L"VL");

  LoadFeatureGroups(folder, 2, holder);
  EXPECT_EQ(TotalEntries(holder), 2u);
  EXPECT_EQ(holder.PipeTypeFeatures().at(0).Feature(), L"SP");

  LoadFeatureGroups(folder, 1, holder);
  EXPECT_EQ(TotalEntries(holder), 1u);
  EXPECT_TRUE(holder.NetworkLevelFeatures().empty());
}

TEST(SOSIFeatureGroupData, IncompleteFeaturesAndBrokenGroupsAreLeftOutAndDuplicatesKept) {
  const SOSIFeatureGroupData holder = Read(
      "<NetworkLevelFeatures><Feature Name='H' Description='Hovednett'/><Feature Name='S'/>"
      "<Feature Description='Fordelingsnett'/><Feature Name='H' Description='Hovednett (gammel)'/>"
      "<Feature Name='D' Description='Drift' Group='x'/>"
      "<Group><Feature Name='X' Description='nested'/></Group></NetworkLevelFeatures>"
      "<PipeTypeFeatures><Feature Name='SP'/><Feature Name='OV' Description='' Group=' 4 '/>"
      "<Feature Name='SP' Description='Spillvannsledning' Group='to'/></PipeTypeFeatures>");
  EXPECT_EQ(holder.NetworkLevelFeatures(), (FeatureTextList{L"H: Hovednett", L"H: Hovednett (gammel)"}));
  EXPECT_EQ(holder.PipeTypeFeatures(), FeatureList{CWsFeature(L"OV", L"", 4)});
}

TEST(SOSIFeatureGroupData, UnusableFileLeavesEveryListEmpty) {
  TempDir dir;
  const std::wstring good = dir.Write("good.xml", Groups(kTwoGroups)).wstring();
  const std::wstring wrongRoot =
      dir.Write("formats.xml", "<SOSIExportFileFormats><PipeTypeFeatures/></SOSIExportFileFormats>").wstring();
  const std::wstring malformed = dir.Write("broken.xml", Groups(kTwoGroups).substr(0, 150)).wstring();
  dir.Write("noext.xml", Groups(kTwoGroups));
  const std::wstring withoutExtension = (dir.Path() / "noext").wstring();

  for (const std::wstring& path :
       {wrongRoot, malformed, withoutExtension, dir.File("missing.xml").wstring(), std::wstring()}) {
    SOSIFeatureGroupData holder;
    ReadFeatureGroupFile(good, holder);
    ASSERT_EQ(TotalEntries(holder), 2u);
    ReadFeatureGroupFile(path, holder);
    EXPECT_EQ(TotalEntries(holder), 0u);
  }
}
