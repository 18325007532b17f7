#include <gtest/gtest.h>

#include <climits>

#include "WinText.h"

using platform::EqualsIgnoringCase;
using platform::FormatWide;
using platform::WToI;

TEST(WinText, WToIFollowsTheRunTimeLibrary) {
  EXPECT_EQ(WToI(L" 2"), 2);
  EXPECT_EQ(WToI(L"2a"), 2);
  EXPECT_EQ(WToI(L"+8"), 8);
  EXPECT_EQ(WToI(L"\t\n 42 1"), 42);
  EXPECT_EQ(WToI(L"- 1"), 0);
  EXPECT_EQ(WToI(L"99999999999999999999"), INT_MAX);
  EXPECT_EQ(WToI(L"-99999999999999999999"), INT_MIN);
  EXPECT_EQ(WToI(L"-2147483648"), INT_MIN);
}

TEST(WinText, EqualsIgnoringCaseFoldsNorwegianAndAsciiLetters) {
  EXPECT_TRUE(EqualsIgnoringCase(L"p: prosjektert", L"P: Prosjektert"));
  EXPECT_TRUE(EqualsIgnoringCase(L"æøåäö", L"ÆØÅÄÖ"));
  EXPECT_FALSE(EqualsIgnoringCase(L"1: Markinnmåling", L"10: Prosjektert"));
  EXPECT_FALSE(EqualsIgnoringCase(L"P: Prosjektert ", L"P: Prosjektert"));
  EXPECT_FALSE(EqualsIgnoringCase(L"ø", L"o"));
}

TEST(WinText, FormatWideTakesWideStringsForPercentS) {
  EXPECT_EQ(FormatWide(1024, L"\nRead %s failed.", L"/tmp/Vågå.xml"), L"\nRead /tmp/Vågå.xml failed.");
  EXPECT_EQ(FormatWide(1024, L"\n%d composites read.", 12), L"\n12 composites read.");
  EXPECT_EQ(FormatWide(1024, L"%S and %ls, 100%%", "narrow", L"wide"), L"narrow and wide, 100%");
}

TEST(WinText, FormatWideCutsAtTheBuffer) {
  const std::wstring longName(3000, L'x');
  const std::wstring text = FormatWide(1024, L"Can not open %s\n\nAcces is denied", longName.c_str());
  EXPECT_EQ(text.size(), 1023u);
  EXPECT_EQ(text.substr(0, 13), L"Can not open ");
}
