#include <gtest/gtest.h>

#include "WinPath.h"

using platform::MakePath;
using platform::SplitPath;
using platform::SplitPathResult;

TEST(WinPath, SplitsDriveFolderNameAndExtension) {
  const struct {
    const wchar_t *path, *drive, *dir, *fname, *ext;
  } cases[] = {
      {L"C:\\Net\\Area1.xml", L"C:", L"\\Net\\", L"Area1", L".xml"},
      {L"/home/eng/Vågå/Ledningsnett_ø.xml", L"", L"/home/eng/Vågå/", L"Ledningsnett_ø", L".xml"},
      {L"D:/a.b\\c/model", L"D:", L"/a.b\\c/", L"model", L""},
      {L"net/Area1.SOSIExport.cfg", L"", L"net/", L"Area1.SOSIExport", L".cfg"},
      {L"Area1.xml", L"", L"", L"Area1", L".xml"},
  };
  for (const auto& c : cases) {
    SplitPathResult p;
    ASSERT_TRUE(SplitPath(c.path, p));
    EXPECT_EQ(p.drive + L"|" + p.dir + L"|" + p.fname + L"|" + p.ext,
              std::wstring(c.drive) + L"|" + c.dir + L"|" + c.fname + L"|" + c.ext);
  }
}

TEST(WinPath, MakePathAddsWhatIsMissing) {
  EXPECT_EQ(MakePath(L"C:", L"\\Net\\", L"Area1", L"xml"), L"C:\\Net\\Area1.xml");
  EXPECT_EQ(MakePath(L"C", L"/Net", L"Area1", L".xml"), L"C:/Net/Area1.xml");
  EXPECT_EQ(MakePath(L"", L"", L"Area1", L""), L"Area1");
}
