#include <gtest/gtest.h>

#include "WinPath.h"

using platform::MakePath;
using platform::SplitPath;
using platform::SplitPathResult;

TEST(WinPath, SplitsDriveFolderNameAndExtension) {
  SplitPathResult p;
  ASSERT_TRUE(SplitPath(L"C:\\Net\\Area1.xml", p));
  EXPECT_EQ(p.drive, L"C:");
  EXPECT_EQ(p.dir, L"\\Net\\");
  EXPECT_EQ(p.fname, L"Area1");
  EXPECT_EQ(p.ext, L".xml");

  ASSERT_TRUE(SplitPath(L"/home/eng/Vågå/Ledningsnett_ø.xml", p));
  EXPECT_EQ(p.drive, L"");
  EXPECT_EQ(p.dir, L"/home/eng/Vågå/");
  EXPECT_EQ(p.fname, L"Ledningsnett_ø");
  EXPECT_EQ(p.ext, L".xml");
}

TEST(WinPath, MixedSeparatorsAndDotsInFolders) {
  SplitPathResult p;
  ASSERT_TRUE(SplitPath(L"D:/a.b\\c/model", p));
  EXPECT_EQ(p.drive, L"D:");
  EXPECT_EQ(p.dir, L"/a.b\\c/");
  EXPECT_EQ(p.fname, L"model");
  EXPECT_EQ(p.ext, L"");
}

TEST(WinPath, OnlyTheLastPointStartsTheExtension) {
  SplitPathResult p;
  ASSERT_TRUE(SplitPath(L"net/Area1.SOSIExport.cfg", p));
  EXPECT_EQ(p.fname, L"Area1.SOSIExport");
  EXPECT_EQ(p.ext, L".cfg");
  ASSERT_TRUE(SplitPath(L"Area1.xml", p));
  EXPECT_EQ(p.dir, L"");
  EXPECT_EQ(p.fname, L"Area1");
}

TEST(WinPath, PartsLongerThanTheirBuffersFail) {
  SplitPathResult p;
  EXPECT_TRUE(SplitPath(L"/" + std::wstring(255, L'a'), p));
  EXPECT_FALSE(SplitPath(L"/" + std::wstring(256, L'a'), p));
  EXPECT_TRUE(p.fname.empty());
  EXPECT_FALSE(SplitPath(std::wstring(255, L'd') + L"/x.xml", p));
}

TEST(WinPath, MakePathAddsWhatIsMissing) {
  EXPECT_EQ(MakePath(L"C:", L"\\Net\\", L"Area1", L"xml"), L"C:\\Net\\Area1.xml");
  EXPECT_EQ(MakePath(L"C", L"/Net", L"Area1", L".xml"), L"C:/Net/Area1.xml");
  EXPECT_EQ(MakePath(L"", L"", L"Area1", L""), L"Area1");
}
