#include <gtest/gtest.h>

#include "LmWsSosiExportFileFormatData.h"
#include "TempDir.h"

namespace {

std::string Catalogue(const std::string& formats) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SOSIExportFileFormats>" + formats + "</SOSIExportFileFormats>";
}

FileFormatCatalogue Load(const std::string& formats) {
  TempDir dir;
  FileFormatCatalogue catalogue;
  EXPECT_TRUE(LoadFileFormats(catalogue, dir.Write("formats.xml", Catalogue(formats)).wstring()));
  return catalogue;
}

}  // namespace

// A shared header sets the column on both pages; a page's own header wins
// over it whatever the file order.
TEST(LmWsSosiExportFileFormatData, SharedHeadersAndPageHeaders) {
  const FileFormatCatalogue catalogue =
      Load("<FileFormat><Header1>LEDNINGSTYPE</Header1><ConnectionTabHeader2>SOSI PUNKTTEMA</ConnectionTabHeader2>"
           "<Header2>SOSI TEMA</Header2><PipeTabHeader3>BRUKSOMRÅDE</PipeTabHeader3><Header3>FUNKSJON</Header3>"
           "</FileFormat>");
  ASSERT_EQ(catalogue.size(), 1u);
  LmWsSosiExportFileFormatData expected;
  expected.PipeTabHeader1 = expected.ConnectionTabHeader1 = L"LEDNINGSTYPE";
  expected.PipeTabHeader2 = L"SOSI TEMA";
  expected.ConnectionTabHeader2 = L"SOSI PUNKTTEMA";
  expected.PipeTabHeader3 = L"BRUKSOMRÅDE";
  expected.ConnectionTabHeader3 = L"FUNKSJON";
  EXPECT_EQ(catalogue[0], expected);
}

TEST(LmWsSosiExportFileFormatData, LaterVariantInheritsWhatItLeavesOut) {
  const FileFormatCatalogue catalogue = Load(
      "<FileFormat Name='A' Index='0'><DisplayName>Første</DisplayName><PipeTabHeader4>SKJØT</PipeTabHeader4>"
      "<ConnectionTabHeader1>PUNKT</ConnectionTabHeader1><PipeMaterialTabHeader3>NS-EN</PipeMaterialTabHeader3>"
      "</FileFormat>"
      "<FileFormat Name='B' Index='1'><DisplayName>Andre</DisplayName></FileFormat>");
  ASSERT_EQ(catalogue.size(), 2u);
  LmWsSosiExportFileFormatData expected = catalogue[0];
  expected.Name = L"B";
  expected.Index = 1;
  expected.DisplayName = L"Andre";
  EXPECT_EQ(catalogue[1], expected);
}

TEST(LmWsSosiExportFileFormatData, PositionNotIndexOrdersTheCatalogueAndBadIndexIsInherited) {
  const FileFormatCatalogue catalogue =
      Load("<FileFormat Name='X' Index='7'/><Other/><FileFormat Name='Y' Index=' -3 '/>"
           "<FileFormat Name='B' Index='to'><DisplayName>B</DisplayName></FileFormat><FileFormat Name='Z'/>");
  ASSERT_EQ(catalogue.size(), 4u);
  EXPECT_EQ(catalogue[0].Index, 7);
  EXPECT_EQ(catalogue[1].Index, -3);
  EXPECT_EQ(catalogue[2].DisplayName, L"B");
  EXPECT_EQ(catalogue[2].Index, -3);
  EXPECT_EQ(catalogue[3].Name, L"Z");
}
