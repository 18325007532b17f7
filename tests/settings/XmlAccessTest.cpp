#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TempDir.h"
#include "XmlAccess.h"

namespace {

XmlElement LoadRoot(XmlDocument& doc, const TempDir& dir, const std::string& xml) {
  const auto file = dir.Write("doc.xml", xml);
  EXPECT_EQ(doc.Create(), kXmlOk);
  doc.PrepareForReading();
  EXPECT_TRUE(doc.load(file.wstring()));
  return doc.documentElement();
}

}  // namespace

TEST(XmlAccess, SelectionsFollowDocumentOrderAndChildNamesOnly) {
  TempDir dir;
  XmlDocument doc;
  XmlElement root = LoadRoot(doc, dir, "<R><A v='1'/><B><A v='nested'/></B><A v='2'/>text<!-- c --></R>");
  XmlNodeList list = root.selectNodes("A");
  ASSERT_EQ(list.length(), 2);
  EXPECT_EQ(*XmlElement(list.item(0)).getAttribute("v"), L"1");
  EXPECT_EQ(*XmlElement(list.item(1)).getAttribute("v"), L"2");
  EXPECT_TRUE(list.item(2).IsNull());
  EXPECT_EQ(*root.selectSingleNode("A").getAttribute("v"), L"1");
  EXPECT_TRUE(root.selectSingleNode("C").IsNull());
  EXPECT_EQ(root.selectNodes("C").length(), 0);
  EXPECT_EQ(doc.selectNodes("R").length(), 1);
  EXPECT_EQ(doc.selectNodes("A").length(), 0);
}

TEST(XmlAccess, AbsentAttributeDiffersFromEmptyOne) {
  TempDir dir;
  XmlDocument doc;
  XmlElement root = LoadRoot(doc, dir, "<R Empty=''/>");
  ASSERT_TRUE(root.getAttribute("Empty").has_value());
  EXPECT_EQ(*root.getAttribute("Empty"), L"");
  EXPECT_FALSE(root.getAttribute("Missing").has_value());
}

TEST(XmlAccess, TextConcatenatesDescendants) {
  TempDir dir;
  XmlDocument doc;
  XmlElement root = LoadRoot(doc, dir, "<R><T>a<b>ø</b>c<![CDATA[<d>]]></T><E/><W> </W></R>");
  EXPECT_EQ(root.selectSingleNode("T").text(), L"aøc<d>");
  EXPECT_EQ(root.selectSingleNode("E").text(), L"");
  EXPECT_EQ(root.selectSingleNode("W").text(), L" ");
}

TEST(XmlAccess, CheckedConversionGivesNullForNonElements) {
  XmlDocument doc;
  ASSERT_EQ(doc.Create(), kXmlOk);
  XmlNode textNode = doc.createTextNode(L"x");
  EXPECT_TRUE(XmlElement(textNode).IsNull());
  EXPECT_FALSE(XmlElement(doc.createElement("E")).IsNull());
}

TEST(XmlAccess, LoadFailsQuietlyOnBadFiles) {
  TempDir dir;
  XmlDocument doc;
  ASSERT_EQ(doc.Create(), kXmlOk);
  EXPECT_FALSE(doc.load((dir.Path() / "missing.xml").wstring()));
  EXPECT_FALSE(doc.load(dir.Path().wstring()));  // a folder
  EXPECT_FALSE(doc.load(dir.Write("t.xml", "<R><A></R>").wstring()));
  EXPECT_NE(doc.LastLoadError().find("line 1"), std::string::npos);
  EXPECT_FALSE(doc.load(dir.Write("t2.xml", "<R/><S/>").wstring()));
  EXPECT_FALSE(doc.load(dir.Write("t3.xml", "").wstring()));
  EXPECT_FALSE(doc.load(dir.Write("t4.xml", "<R>\n<A>\n</R>").wstring()));
  EXPECT_NE(doc.LastLoadError().find("line 3"), std::string::npos);
}

TEST(XmlAccess, LoadRefusesPipesAndDevicesWithoutWaiting) {
  TempDir dir;
  XmlDocument doc;
  ASSERT_EQ(doc.Create(), kXmlOk);
  const auto pipe = dir.File("pipe.xml");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_FALSE(doc.load(pipe.wstring()));  // opening it would wait for a writer
  EXPECT_EQ(doc.LastLoadError(), "not a regular file");
  std::filesystem::create_symlink("/dev/zero", dir.File("zero.xml"));
  EXPECT_FALSE(doc.load(dir.File("zero.xml").wstring()));  // reading it would never end
}

TEST(XmlAccess, EntityDefinitionsAreNotExpanded) {
  TempDir dir;
  std::string bomb = "<?xml version='1.0'?><!DOCTYPE lolz [<!ENTITY lol 'lol'>";
  for (int i = 1; i < 10; ++i) {
    bomb += "<!ENTITY lol" + std::to_string(i) + " '";
    for (int k = 0; k < 10; ++k) bomb += "&lol" + (i == 1 ? std::string() : std::to_string(i - 1)) + ";";
    bomb += "'>";
  }
  bomb += "]><R>&lol9;</R>";
  XmlDocument doc;
  ASSERT_EQ(doc.Create(), kXmlOk);
  ASSERT_TRUE(doc.load(dir.Write("bomb.xml", bomb).wstring()));
  EXPECT_LT(doc.documentElement().text().size(), 100u);
}

TEST(XmlAccess, DeeplyNestedDocumentDoesNotExhaustTheStack) {
  TempDir dir;
  std::string xml;
  const int depth = 100000;
  for (int i = 0; i < depth; ++i) xml += "<a>";
  xml += "x";
  for (int i = 0; i < depth; ++i) xml += "</a>";
  XmlDocument doc;
  ASSERT_EQ(doc.Create(), kXmlOk);
  ASSERT_TRUE(doc.load(dir.Write("deep.xml", xml).wstring()));
  EXPECT_EQ(doc.documentElement().text(), L"x");
}

TEST(XmlAccess, BuiltDocumentSavesWithoutDeclarationOrWhitespace) {
  TempDir dir;
  XmlDocument doc;
  ASSERT_EQ(doc.Create(), kXmlOk);
  XmlElement root = doc.createElement("Root");
  doc.appendChild(root);
  root.setAttribute("n", -1);
  root.setAttribute("s", L"Grøft \"A\" & <B>");
  XmlElement child = doc.createElement("Child");
  root.appendChild(child);
  child.appendChild(doc.createTextNode(L""));
  XmlElement text = doc.createElement("Text");
  root.appendChild(text);
  text.appendChild(doc.createTextNode(L"Vågå"));
  // A created node that was never appended is not saved.
  doc.createElement("Orphan");
  const auto file = dir.File("out.xml");
  EXPECT_EQ(doc.save(file.wstring()), kXmlOk);
  EXPECT_EQ(ReadBytes(file),
            "<Root n=\"-1\" s=\"Grøft &quot;A&quot; &amp; &lt;B>\"><Child></Child><Text>Vågå</Text></Root>");

  XmlDocument back;
  ASSERT_EQ(back.Create(), kXmlOk);
  ASSERT_TRUE(back.load(file.wstring()));
  EXPECT_EQ(*back.documentElement().getAttribute("s"), L"Grøft \"A\" & <B>");
  EXPECT_EQ(back.documentElement().selectSingleNode("Text").text(), L"Vågå");
}

TEST(XmlAccess, SaveToAMissingFolderRaisesAndCreatesNothing) {
  TempDir dir;
  XmlDocument doc;
  ASSERT_EQ(doc.Create(), kXmlOk);
  doc.appendChild(doc.createElement("R"));
  try {
    doc.save((dir.Path() / "missing" / "x.xml").wstring());
    FAIL() << "save did not raise";
  } catch (const XmlError& e) {
    EXPECT_LT(e.Code(), 0);
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(XmlAccess, IntegerConversion) {
  EXPECT_EQ(XmlToInt32(L"-1"), -1);
  EXPECT_EQ(XmlToInt32(L" 2 "), 2);
  EXPECT_EQ(XmlToInt32(L"+7"), 7);
  EXPECT_EQ(XmlToInt32(L"-2147483648"), -2147483647 - 1);
  for (const wchar_t* bad : {L"a", L"", L" ", L"2a", L"1 2", L"-", L"2147483648", L"99999999999999999999"}) {
    EXPECT_THROW(XmlToInt32(bad), XmlError) << "for \"" << std::string(bad, bad + wcslen(bad)) << "\"";
  }
}

TEST(XmlAccess, PathCompletionAddsXmlOnlyWithoutExtension) {
  EXPECT_EQ(CompleteXmlPath(L"/net/WSConfig/Area1.SOSIExport.cfg"), L"/net/WSConfig/Area1.SOSIExport.cfg");
  EXPECT_EQ(CompleteXmlPath(L"/net/WSConfig/Area1"), L"/net/WSConfig/Area1.xml");
  EXPECT_EQ(CompleteXmlPath(L"C:\\Cfg\\SOSIExport.FileFormats"), L"C:\\Cfg\\SOSIExport.FileFormats");
  EXPECT_EQ(CompleteXmlPath(L"C:\\Cfg\\Settings"), L"C:\\Cfg\\Settings.xml");
  EXPECT_EQ(CompleteXmlPath(L"/a.b/name"), L"/a.b/name.xml");
  EXPECT_EQ(CompleteXmlPath(L"/" + std::wstring(300, L'n')), L"");
  EXPECT_EQ(CompleteXmlPath(std::wstring(200, L'd') + L"/" + std::wstring(60, L'n')), L"");
}
