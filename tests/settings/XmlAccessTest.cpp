#include <gtest/gtest.h>
#include <sys/stat.h>

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

TEST_F(XmlAccess, SelectionsFollowDocumentOrderAndChildNamesOnly) {
  XmlElement root = Root("<R><A v='1'/><B><A v='nested'/></B><A v='2' e=''/>text<!-- c --></R>");
  XmlNodeList list = root.selectNodes("A");
  ASSERT_EQ(list.length(), 2);
  EXPECT_EQ(*XmlElement(list.item(1)).getAttribute("v"), L"2");
  EXPECT_EQ(*XmlElement(list.item(1)).getAttribute("e"), L"");
  EXPECT_FALSE(XmlElement(list.item(1)).getAttribute("x").has_value());
  EXPECT_TRUE(list.item(2).IsNull());
  EXPECT_EQ(*root.selectSingleNode("A").getAttribute("v"), L"1");
  EXPECT_TRUE(root.selectSingleNode("C").IsNull());
  EXPECT_EQ(doc.selectNodes("A").length(), 0);
}

TEST_F(XmlAccess, TextConcatenatesDescendants) {
  XmlElement root = Root("<R><T>a<b>ø</b>c<![CDATA[<d>]]></T><E/><W> </W></R>");
  EXPECT_EQ(root.selectSingleNode("T").text(), L"aøc<d>");
  EXPECT_EQ(root.selectSingleNode("E").text(), L"");
  EXPECT_EQ(root.selectSingleNode("W").text(), L" ");
}

TEST_F(XmlAccess, LoadFailsQuietlyOnBadFiles) {
  EXPECT_FALSE(doc.load((dir.Path() / "missing.xml").wstring()));
  EXPECT_FALSE(doc.load(dir.Path().wstring()));
  EXPECT_FALSE(Load("<R/><S/>"));
  EXPECT_FALSE(Load(""));
  EXPECT_FALSE(Load("<R>\n<A>\n</R>"));
  EXPECT_NE(doc.LastLoadError().find("line 3"), std::string::npos);
}

TEST_F(XmlAccess, LoadRefusesPipesAndDevicesWithoutWaiting) {
  const auto pipe = dir.File("pipe.xml");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_FALSE(doc.load(pipe.wstring()));
  EXPECT_EQ(doc.LastLoadError(), "not a regular file");
  std::filesystem::create_symlink("/dev/zero", dir.File("zero.xml"));
  EXPECT_FALSE(doc.load(dir.File("zero.xml").wstring()));
}

TEST_F(XmlAccess, DeeplyNestedDocumentDoesNotExhaustTheStack) {
  const int depth = 100000;
  std::string xml;
  for (int i = 0; i < depth; ++i) xml += "<a>";
  xml += "x";
  for (int i = 0; i < depth; ++i) xml += "</a>";
  EXPECT_EQ(Root(xml).text(), L"x");
}

TEST(XmlConversion, IntegerConversion) {
  EXPECT_EQ(XmlToInt32(L" 2 "), 2);
  EXPECT_EQ(XmlToInt32(L"+7"), 7);
  EXPECT_EQ(XmlToInt32(L"-2147483648"), -2147483647 - 1);
  for (const wchar_t* bad : {L"a", L"", L" ", L"2a", L"1 2", L"-", L"2147483648", L"99999999999999999999"}) {
    EXPECT_THROW(XmlToInt32(bad), XmlError) << std::string(bad, bad + wcslen(bad));
  }
}

TEST(XmlConversion, PathCompletionAddsXmlOnlyWithoutExtension) {
  EXPECT_EQ(CompleteXmlPath(L"/net/WSConfig/Area1.SOSIExport.cfg"), L"/net/WSConfig/Area1.SOSIExport.cfg");
  EXPECT_EQ(CompleteXmlPath(L"C:\\Cfg\\Settings"), L"C:\\Cfg\\Settings.xml");
  EXPECT_EQ(CompleteXmlPath(L"/a.b/name"), L"/a.b/name.xml");
  EXPECT_EQ(CompleteXmlPath(L"/" + std::wstring(300, L'n')), L"");
  EXPECT_EQ(CompleteXmlPath(std::wstring(200, L'd') + L"/" + std::wstring(60, L'n')), L"");
}
