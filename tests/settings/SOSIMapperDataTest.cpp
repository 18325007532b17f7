#include <gtest/gtest.h>

#include <array>

#include "SOSIMapperData.h"

namespace {

using CurrentAccessor = FeatureTable* (SOSIMapperData::*)();

constexpr std::array<CurrentAccessor, 9> kCurrentAccessors{
    &SOSIMapperData::CurrentPipeTypes,       &SOSIMapperData::CurrentPipeUsage,
    &SOSIMapperData::CurrentPipeMethod,      &SOSIMapperData::CurrentPipeSupply,
    &SOSIMapperData::CurrentPipeMaterials,   &SOSIMapperData::CurrentPipeMaterialsProductStandard,
    &SOSIMapperData::CurrentConnectionTypes, &SOSIMapperData::CurrentConnectionUsage,
    &SOSIMapperData::CurrentConnectionMethod,
};

}  // namespace

TEST(SOSIMapperData, DefaultsHoldTheHeaderValuesAndNoTables) {
  SOSIMapperData data;
  EXPECT_EQ(data.CoordinateSystem, L"3");
  EXPECT_EQ(data.Projection, L"UTM");
  EXPECT_EQ(data.Date, L"Euref 89");
  EXPECT_EQ(data.Quality, L"20 2 2");
  EXPECT_EQ(data.MapId, L"Lumiro VA");
  EXPECT_EQ(data.FileFormat, 1);
  for (const std::wstring* empty : {&data.FileName, &data.Producer, &data.Owner, &data.Year, &data.NetLevel,
                                    &data.Status, &data.StatusPipe, &data.StatusConnection, &data.GeometryQualityXY,
                                    &data.GeometryQualityZ}) {
    EXPECT_TRUE(empty->empty());
  }
  for (CurrentAccessor current : kCurrentAccessors) EXPECT_EQ((data.*current)(), nullptr);
}

TEST(SOSIMapperData, CurrentTableIsTheOneOfTheFileFormat) {
  SOSIMapperData data;
  data.PipeTypes[1][L"Spillvann"] = CWsFeature(L"SP", L"Spillvannsledning");
  data.PipeTypes[2][L"Overvann"] = CWsFeature(L"OV", L"Overvannsledning", 4);
  data.FileFormat = 2;
  ASSERT_EQ(data.CurrentPipeTypes(), &data.PipeTypes[2]);
  EXPECT_EQ(data.CurrentPipeTypes()->at(L"Overvann").Group(), 4);
  EXPECT_EQ(data.PipeTypes[1].at(L"Spillvann").Feature(), L"SP");
}

TEST(SOSIMapperData, UnknownFileFormatGivesNullAndCreatesNoEntry) {
  SOSIMapperData data;
  for (FeatureTablesByFormat* tables :
       {&data.PipeTypes, &data.PipeUsage, &data.PipeMethod, &data.PipeSupply, &data.ConnectionTypes,
        &data.ConnectionUsage, &data.ConnectionMethod, &data.PipeMaterials, &data.PipeMaterialsProductStandard}) {
    (*tables)[1][L"a"] = CWsFeature(L"A", L"");
  }
  const SOSIMapperData before = data;
  data.FileFormat = 5;
  for (CurrentAccessor current : kCurrentAccessors) EXPECT_EQ((data.*current)(), nullptr);
  data.FileFormat = before.FileFormat;
  EXPECT_EQ(data, before);
}

TEST(SOSIMapperData, EmptyTableOfTheFileFormatIsNotNull) {
  SOSIMapperData data;
  data.ConnectionMethod[1];
  ASSERT_NE(data.CurrentConnectionMethod(), nullptr);
  EXPECT_TRUE(data.CurrentConnectionMethod()->empty());
}
