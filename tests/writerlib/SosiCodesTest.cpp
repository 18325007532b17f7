#include "SosiCodes.h"

#include <gtest/gtest.h>

using namespace sosi_codes;

TEST(SosiCodes, CodeIsThePartOfAnEntryBeforeColonBlank) {
  EXPECT_EQ(CodeOf(L"P: Prosjektert"), L"P");
  EXPECT_EQ(CodeOf(L"10: Prosjektert"), L"10");
  EXPECT_EQ(CodeOf(L"EF: Erstattet fjernet"), L"EF");
  EXPECT_EQ(CodeOf(L"  H "), L"H");
  EXPECT_EQ(CodeOf(L"2: GPS (0,5)"), L"2");
  EXPECT_EQ(CodeOf(L""), L"");
}

TEST(SosiCodes, CoordinateSystemCodeIsTheLeadingNumber) {
  EXPECT_EQ(LeadingNumber(L"22"), 22);
  EXPECT_EQ(LeadingNumber(L"22: EUREF89 UTM32"), 22);
  EXPECT_EQ(LeadingNumber(L" 3"), 3);
  EXPECT_EQ(LeadingNumber(L"23 EUREF89 UTM33"), 23);
  EXPECT_FALSE(LeadingNumber(L"EUREF89 UTM32"));
  EXPECT_FALSE(LeadingNumber(L""));
  EXPECT_FALSE(LeadingNumber(L"99999999999"));
}

TEST(SosiCodes, VerticalDatumIsFoundByName) {
  EXPECT_EQ(VerticalDatumIn(L"22: EUREF89 UTM32 nn2000"), L"NN2000");
  EXPECT_EQ(VerticalDatumIn(L"NN54"), L"NN1954");
  EXPECT_EQ(VerticalDatumIn(L"Euref 89 UTM"), L"");
}

TEST(SosiCodes, QualityTokensAreNumbersOrStars) {
  EXPECT_TRUE(IsQualityTokens(L"20 2 2"));
  EXPECT_TRUE(IsQualityTokens(L"96 * 0  96 5"));
  EXPECT_FALSE(IsQualityTokens(L"god"));
  EXPECT_FALSE(IsQualityTokens(L"20 2,5"));
  EXPECT_FALSE(IsQualityTokens(L"  "));
}

TEST(SosiCodes, ObjectTypeIsTheDescriptionAsOneWord) {
  EXPECT_EQ(ObjectTypeName(CWsFeature(L"KUM", L"Kum")), L"Kum");
  EXPECT_EQ(ObjectTypeName(CWsFeature(L"SLS", L"Sluk med sandfang")), L"SlukMedSandfang");
  EXPECT_EQ(ObjectTypeName(CWsFeature(L"X", L"øvre kum/ventil")), L"ØvreKumVentil");
  EXPECT_EQ(ObjectTypeName(CWsFeature(L"PMK", L"")), L"PMK");
  EXPECT_EQ(ObjectTypeName(CWsFeature(L"X", L"Kum for spillvann og overvann med pumpe og overløp")),
            L"KumForSpillvannOgOvervannMedPump");
  EXPECT_EQ(ObjectTypeName(CWsFeature(L"-", L"")), L"");
}

TEST(SosiCodes, PipeObjectTypeFollowsTheThemeGroup) {
  EXPECT_EQ(PipeObjectTypeName(CWsFeature(L"SPP", L"Spillvann pumpeledning", 2)), L"Spillvannsledning");
  EXPECT_EQ(PipeObjectTypeName(CWsFeature(L"AF", L"Avløp felles", 3)), L"AvløpFelles");
  EXPECT_EQ(PipeObjectTypeName(CWsFeature(L"XF", L"Fjernvarme")), L"Fjernvarme");
}
