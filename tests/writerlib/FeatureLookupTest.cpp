#include "FeatureLookup.h"

#include <gtest/gtest.h>

#include <string>

TEST(FeatureLookup, ValuesGiveTheirCodeAndValuesWithoutOneAreCounted) {
  const FeatureTable table = {{L"SP 160 PVC", CWsFeature(L"SP", L"Spillvann")}, {L"Blind", CWsFeature()}};
  FeatureLookup lookup(&table, L"pipe type", true);
  const std::wstring pipe = L"SP 160 PVC";
  const std::wstring blind = L"Blind";
  const std::wstring other = L"OV 200 PP";
  for (int object = 0; object < 3; ++object) {
    ASSERT_NE(lookup.Find(pipe), nullptr);
    EXPECT_EQ(lookup.Find(pipe)->Feature(), L"SP");
    EXPECT_EQ(lookup.Find(blind), nullptr);  // an empty code is no code
    EXPECT_EQ(lookup.Find(other), nullptr);
  }
  EXPECT_EQ(lookup.Missing(), (std::map<std::wstring, long>{{L"Blind", 3}, {L"OV 200 PP", 3}}));
}

TEST(FeatureLookup, AValueChangedInPlaceIsLookedUpAgain) {
  const FeatureTable table = {{L"SP 160 PVC", CWsFeature(L"SP", L"")}, {L"OV 200 PP", CWsFeature(L"OV", L"")}};
  FeatureLookup lookup(&table, L"pipe type", true);
  std::wstring value = L"SP 160 PVC";
  EXPECT_EQ(lookup.Find(value)->Feature(), L"SP");
  value = L"OV 200 PP";  // the same string object, another text
  EXPECT_EQ(lookup.Find(value)->Feature(), L"OV");
  value = L"VL 110 PE";
  EXPECT_EQ(lookup.Find(value), nullptr);
  EXPECT_EQ(lookup.Missing(), (std::map<std::wstring, long>{{L"VL 110 PE", 1}}));
}

TEST(FeatureLookup, AnUnreportedLookupCountsNothing) {
  FeatureLookup lookup(nullptr, L"pipe method", false);
  EXPECT_EQ(lookup.Find(L"MUF"), nullptr);
  EXPECT_TRUE(lookup.Missing().empty());
}
