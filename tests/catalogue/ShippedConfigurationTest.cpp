// The configuration folder shipped with the program must load with the
// loaders that read it, and its parts must agree with each other: a mapping
// whose code is not in the variant's list would show as an empty grid cell.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "CodeLists.h"
#include "LmWsSosiExportFileFormatData.h"
#include "SOSIFeatureGroupData.h"
#include "SOSIMapperDataReader.h"
#include "TempDir.h"
#include "WideText.h"

namespace {

std::wstring ConfigFolder() { return DataPath("WaterSewer/Config/Default/").wstring(); }

SOSIFeatureGroupData GroupsFor(int fileFormat) {
  SOSIFeatureGroupData holder;
  LoadFeatureGroups(ConfigFolder(), fileFormat, holder);
  return holder;
}

using FeatureListGetter = const FeatureList& (SOSIFeatureGroupData::*)() const;
using TextListGetter = const FeatureTextList& (SOSIFeatureGroupData::*)() const;

const TextListGetter kTextLists[] = {
    &SOSIFeatureGroupData::NetworkLevelFeatures,     &SOSIFeatureGroupData::SosiStatusFeatures,
    &SOSIFeatureGroupData::PipeStatusFeatures,       &SOSIFeatureGroupData::ConnectionStatusFeatures,
    &SOSIFeatureGroupData::GeometryQualityXYFeatures, &SOSIFeatureGroupData::GeometryQualityZFeatures,
};

// Each settings table beside the list its grid column offers.
const std::pair<FeatureTablesByFormat SOSIMapperData::*, FeatureListGetter> kTablesAndLists[] = {
    {&SOSIMapperData::PipeTypes, &SOSIFeatureGroupData::PipeTypeFeatures},
    {&SOSIMapperData::PipeUsage, &SOSIFeatureGroupData::PipeUsageFeatures},
    {&SOSIMapperData::PipeMethod, &SOSIFeatureGroupData::PipeMethodFeatures},
    {&SOSIMapperData::PipeSupply, &SOSIFeatureGroupData::PipeSupplyFeatures},
    {&SOSIMapperData::ConnectionTypes, &SOSIFeatureGroupData::ConnectionTypeFeatures},
    {&SOSIMapperData::ConnectionUsage, &SOSIFeatureGroupData::ConnectionUsageFeatures},
    {&SOSIMapperData::ConnectionMethod, &SOSIFeatureGroupData::ConnectionMethodFeatures},
    {&SOSIMapperData::PipeMaterials, &SOSIFeatureGroupData::PipeMaterialFeatures},
    {&SOSIMapperData::PipeMaterialsProductStandard, &SOSIFeatureGroupData::PipeMaterialProductStandardFeatures},
};

}  // namespace

TEST(ShippedConfiguration, CatalogueHasThreeVariantsWithGeminiAtPosition2) {
  FileFormatCatalogue catalogue;
  ASSERT_TRUE(LoadFileFormats(catalogue, ConfigFolder() + L"SOSIExport.FileFormats.xml"));
  ASSERT_EQ(catalogue.size(), 3u);
  EXPECT_EQ(catalogue[2].Name, L"Gemini");
  std::set<std::wstring> displayNames;
  for (size_t i = 0; i < catalogue.size(); ++i) {
    const LmWsSosiExportFileFormatData& format = catalogue[i];
    EXPECT_EQ(format.Index, static_cast<int>(i));
    EXPECT_TRUE(displayNames.insert(format.DisplayName).second);
    for (const std::wstring* header : {&format.PipeTabHeader2, &format.PipeTabHeader3, &format.ConnectionTabHeader1,
                                       &format.ConnectionTabHeader2, &format.ConnectionTabHeader3}) {
      EXPECT_EQ(header->find(L"Header"), std::wstring::npos) << "variant " << i << " shows a placeholder header";
    }
  }
  EXPECT_EQ(catalogue[2].PipeTabHeader4, L"SKJØTEMETODE");
}

TEST(ShippedConfiguration, BothFeatureGroupFilesFillEveryListWithDistinctCodes) {
  for (int fileFormat : {1, 2}) {
    SCOPED_TRACE(fileFormat);
    const SOSIFeatureGroupData groups = GroupsFor(fileFormat);
    for (const auto& [table, list] : kTablesAndLists) {
      const FeatureList& features = (groups.*list)();
      EXPECT_FALSE(features.empty());
      std::set<std::wstring> codes;
      for (const CWsFeature& feature : features) {
        EXPECT_TRUE(codes.insert(feature.Feature()).second) << "repeated " << platform::ToUtf8(feature.Feature());
        EXPECT_FALSE(feature.Description().empty());
      }
    }
    for (const TextListGetter list : kTextLists) {
      const FeatureTextList& entries = (groups.*list)();
      EXPECT_FALSE(entries.empty());
      EXPECT_EQ(std::set<std::wstring>(entries.begin(), entries.end()).size(), entries.size());
    }
  }
}

TEST(ShippedConfiguration, DefaultSettingsUseOnlyCodesOfTheirVariantsLists) {
  const std::unique_ptr<SOSIMapperData> settings = LoadSOSIMapperData(ConfigFolder() + L"SOSIExport.cfg.xml");
  ASSERT_NE(settings, nullptr);
  size_t mappings = 0;
  for (const auto& [tables, list] : kTablesAndLists) {
    for (const auto& [fileFormat, table] : (*settings).*tables) {
      const SOSIFeatureGroupData groups = GroupsFor(fileFormat);
      const FeatureList& offered = (groups.*list)();
      for (const auto& [key, feature] : table) {
        ++mappings;
        EXPECT_NE(std::find(offered.begin(), offered.end(), feature), offered.end())
            << "file format " << fileFormat << ": the code mapped for a model value is not offered";
      }
    }
  }
  EXPECT_GT(mappings, 100u);

  const SOSIFeatureGroupData gemini = GroupsFor(settings->FileFormat);
  EXPECT_GE(FindInList(gemini.NetworkLevelFeatures(), settings->NetLevel), 0);
  EXPECT_GE(FindInList(gemini.SosiStatusFeatures(), settings->Status), 0);
  EXPECT_GE(FindInList(gemini.PipeStatusFeatures(), settings->StatusPipe), 0);
  EXPECT_GE(FindInList(gemini.ConnectionStatusFeatures(), settings->StatusConnection), 0);
  EXPECT_GE(FindInList(gemini.GeometryQualityXYFeatures(), settings->GeometryQualityXY), 0);
  EXPECT_GE(FindInList(gemini.GeometryQualityZFeatures(), settings->GeometryQualityZ), 0);
}
