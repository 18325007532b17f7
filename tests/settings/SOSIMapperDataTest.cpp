#include <gtest/gtest.h>

#include "SOSIMapperData.h"

TEST(SOSIMapperData, CurrentTableIsTheOneOfTheFileFormat) {
  SOSIMapperData data;
  EXPECT_EQ(data.CurrentPipeTypes(), nullptr);
  data.PipeTypes[1][L"Spillvann"] = CWsFeature(L"SP", L"Spillvannsledning");
  data.PipeTypes[2][L"Overvann"] = CWsFeature(L"OV", L"Overvannsledning", 4);
  data.ConnectionMethod[1];
  EXPECT_EQ(data.CurrentPipeTypes(), &data.PipeTypes[1]);
  ASSERT_NE(data.CurrentConnectionMethod(), nullptr);
  EXPECT_TRUE(data.CurrentConnectionMethod()->empty());
  data.FileFormat = 2;
  EXPECT_EQ(data.CurrentPipeTypes(), &data.PipeTypes[2]);
}

TEST(SOSIMapperData, UnknownFileFormatGivesNullAndCreatesNoEntry) {
  using Current = FeatureTable* (SOSIMapperData::*)();
  SOSIMapperData data;
  for (FeatureTablesByFormat* tables :
       {&data.PipeTypes, &data.PipeUsage, &data.PipeMethod, &data.PipeSupply, &data.ConnectionTypes,
        &data.ConnectionUsage, &data.ConnectionMethod, &data.PipeMaterials, &data.PipeMaterialsProductStandard}) {
    (*tables)[1][L"a"] = CWsFeature(L"A", L"");
  }
  const SOSIMapperData before = data;
  data.FileFormat = 5;
  for (Current current : {&SOSIMapperData::CurrentPipeTypes, &SOSIMapperData::CurrentPipeUsage,
                          &SOSIMapperData::CurrentPipeMethod, &SOSIMapperData::CurrentPipeSupply,
                          &SOSIMapperData::CurrentPipeMaterials, &SOSIMapperData::CurrentPipeMaterialsProductStandard,
                          &SOSIMapperData::CurrentConnectionTypes, &SOSIMapperData::CurrentConnectionUsage,
                          &SOSIMapperData::CurrentConnectionMethod}) {
    EXPECT_EQ((data.*current)(), nullptr);
  }
  data.FileFormat = before.FileFormat;
  EXPECT_EQ(data, before);
}
