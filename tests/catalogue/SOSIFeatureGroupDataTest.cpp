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

// One Feature in every group, each with its own code.
const char* kAllGroups =
    "<PipeTypeFeatures><Feature Name='SP' Description='Spillvannsledning' Group='2'/></PipeTypeFeatures>"
    "<PipeUsageFeatures><Feature Name='H' Description='Hovednett'/></PipeUsageFeatures>"
    "<PipeMethodFeatures><Feature Name='MUF' Description='Muffeskjøt'/></PipeMethodFeatures>"
    "<PipeSupplyFeatures><Feature Name='S' Description='Selvfall'/></PipeSupplyFeatures>"
    "<PipeMaterialFeatures><Feature Name='PVC' Description='PVC'/></PipeMaterialFeatures>"
    "<PipeMaterialProductStandardFeatures><Feature Name='NS-EN 1401-1' Description='PVC-U'/>"
    "</PipeMaterialProductStandardFeatures>"
    "<ConnectionTypeFeatures><Feature Name='KUM' Description='Kum'/></ConnectionTypeFeatures>"
    "<ConnectionUsageFeatures><Feature Name='SK' Description='Spillvannskum'/></ConnectionUsageFeatures>"
    "<ConnectionMethodFeatures><Feature Name='B' Description='Prefabrikert betong'/></ConnectionMethodFeatures>"
    "<NetworkLevelFeatures><Feature Name='H' Description='Hovednett'/></NetworkLevelFeatures>"
    "<SosiStatusFeatures><Feature Name='E' Description='Eksisterende'/></SosiStatusFeatures>"
    "<PipeStatusFeatures><Feature Name='D' Description='Drift'/></PipeStatusFeatures>"
    "<ConnectionStatusFeatures><Feature Name='P' Description='Prosjektert'/></ConnectionStatusFeatures>"
    "<GeometryQualityXYFeatures><Feature Name='96' Description='GNSS RTK'/></GeometryQualityXYFeatures>"
    "<GeometryQualityZFeatures><Feature Name='15' Description='Nivellement'/></GeometryQualityZFeatures>";

}  // namespace

TEST(SOSIFeatureGroupData, EveryGroupFillsItsOwnList) {
  const SOSIFeatureGroupData h = Read(kAllGroups);
  EXPECT_EQ(h.PipeTypeFeatures().at(0), CWsFeature(L"SP", L"Spillvannsledning", 2));
  std::vector<std::wstring> firsts;
  for (const FeatureList* list : {&h.PipeUsageFeatures(), &h.PipeMethodFeatures(), &h.PipeSupplyFeatures(),
                                  &h.PipeMaterialFeatures(), &h.PipeMaterialProductStandardFeatures(),
                                  &h.ConnectionTypeFeatures(), &h.ConnectionUsageFeatures(),
                                  &h.ConnectionMethodFeatures()}) {
    firsts.push_back(list->empty() ? L"" : list->front().Feature());
  }
  for (const FeatureTextList* list : {&h.NetworkLevelFeatures(), &h.SosiStatusFeatures(), &h.PipeStatusFeatures(),
                                      &h.ConnectionStatusFeatures(), &h.GeometryQualityXYFeatures(),
                                      &h.GeometryQualityZFeatures()}) {
    firsts.push_back(list->empty() ? L"" : list->front());
  }
  EXPECT_EQ(firsts, (std::vector<std::wstring>{L"H", L"MUF", L"S", L"PVC", L"NS-EN 1401-1", L"KUM", L"SK", L"B",
                                               L"H: Hovednett", L"E: Eksisterende", L"D: Drift", L"P: Prosjektert",
                                               L"96: GNSS RTK", L"15: Nivellement"}));
  EXPECT_EQ(TotalEntries(h), 15u);
}

TEST(SOSIFeatureGroupData, SwitchingVariantsNeverKeepsListsOfTheEarlierFile) {
  TempDir dir;
  dir.Write("SOSIExport.FeatureGroups.Gemini.xml", Groups(kAllGroups));
  dir.Write("SOSIExport.FeatureGroups.GISLINE.xml",
            Groups("<PipeTypeFeatures><Feature Name='VL' Description='Vannledning' Group='1'/></PipeTypeFeatures>"));
  const std::wstring folder = dir.Path().wstring() + L"/";
  SOSIFeatureGroupData holder;

  LoadFeatureGroups(folder, 1, holder);
  EXPECT_EQ(TotalEntries(holder), 1u);
  EXPECT_EQ(holder.PipeTypeFeatures().at(0).Feature(), L"VL");

  LoadFeatureGroups(folder, 2, holder);
  EXPECT_EQ(TotalEntries(holder), 15u);
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
  const std::wstring good = dir.Write("good.xml", Groups(kAllGroups)).wstring();
  const std::wstring wrongRoot =
      dir.Write("formats.xml", "<SOSIExportFileFormats><PipeTypeFeatures/></SOSIExportFileFormats>").wstring();
  const std::wstring malformed = dir.Write("broken.xml", Groups(kAllGroups).substr(0, 200)).wstring();
  dir.Write("noext.xml", Groups(kAllGroups));
  const std::wstring withoutExtension = (dir.Path() / "noext").wstring();

  for (const std::wstring& path :
       {wrongRoot, malformed, withoutExtension, dir.File("missing.xml").wstring(), std::wstring()}) {
    SOSIFeatureGroupData holder;
    ReadFeatureGroupFile(good, holder);
    ASSERT_EQ(TotalEntries(holder), 15u);
    ReadFeatureGroupFile(path, holder);
    EXPECT_EQ(TotalEntries(holder), 0u);
  }
}
