#include <gtest/gtest.h>

#include "TempDir.h"
#include "XmlAccess.h"

namespace {

class XmlAccess : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(doc.Create(), kXmlOk); }
  bool Load(const std::string& xml) {
    doc.PrepareForReading();
    return doc.load(dir.Write("doc.xml", xml).wstring());
  }
  XmlElement Root(const std::string& xml) {
    EXPECT_TRUE(Load(xml));
    return doc.documentElement();
  }

  TempDir dir;
  XmlDocument doc;
};

}  // namespace

TEST_F(XmlAccess, DeeplyNestedDocumentDoesNotExhaustTheStack) {
  const int depth = 100000;
  std::string xml;
  for (int i = 0; i < depth; ++i) xml += "<a>";
  xml += "x";
  for (int i = 0; i < depth; ++i) xml += "</a>";
  EXPECT_EQ(Root(xml).text(), L"x");
}

TEST(XmlConversion, PathCompletionAddsXmlOnlyWithoutExtension) {
  EXPECT_EQ(CompleteXmlPath(L"/net/WSConfig/Area1.SOSIExport.cfg"), L"/net/WSConfig/Area1.SOSIExport.cfg");
  EXPECT_EQ(CompleteXmlPath(L"C:\\Cfg\\Settings"), L"C:\\Cfg\\Settings.xml");
  EXPECT_EQ(CompleteXmlPath(L"/a.b/name"), L"/a.b/name.xml");
  EXPECT_EQ(CompleteXmlPath(L"/" + std::wstring(300, L'n')), L"");
  EXPECT_EQ(CompleteXmlPath(std::wstring(200, L'd') + L"/" + std::wstring(60, L'n')), L"");
}
