// What a municipality's pipe register checks before it imports a file, read
// back with FYBA and with GDAL's SOSI driver: header items only in the
// header, stable identifiers on every object, a height reference where
// heights are written, and codes where codes belong.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "FybaReader.h"
#include "NetworkExport.h"
#include "RunProgram.h"
#include "SosiMaterialCodes.h"
#include "TempDir.h"
#include "WideText.h"

namespace {

// The lines of the .HODE group, decoded from ISO-8859-10 (whose Norwegian
// letters are those of Latin-1).
std::vector<std::wstring> HeaderLines(const std::filesystem::path& sos) {
  std::vector<std::wstring> lines;
  std::ifstream in(sos, std::ios::binary);
  for (std::string line; std::getline(in, line) && (lines.empty() || line[0] != '.' || line[1] == '.');) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.emplace_back(line.begin(), line.end());
    for (wchar_t& c : lines.back()) c = static_cast<wchar_t>(static_cast<unsigned char>(c));
  }
  return lines;
}

struct Exported {
  TempDir dir;
  std::filesystem::path sos;
  ExportOutcome outcome;
};

std::unique_ptr<Exported> Export(const LoadedNetwork& model, int fileFormat, const std::string& name = "export.sos") {
  auto exported = std::make_unique<Exported>();
  exported->sos = exported->dir.File(name);
  exported->outcome = ExportNetwork(*model.devices, fileFormat, exported->sos, L"K");
  return exported;
}

std::set<std::wstring> LocalIds(const FybaFile& file) {
  std::set<std::wstring> ids;
  for (const SosiGroup& group : file.groups) ids.insert(group.Value(L"LOKALID").value_or(L""));
  return ids;
}

LoadedNetwork LoadText(const TempDir& dir, const std::string& name, const std::string& xml) {
  return LoadNetwork(dir.Write(name, xml));
}

void ExpectRegisterRules(const std::filesystem::path& sos, int fileFormat) {
  SCOPED_TRACE("file format " + std::to_string(fileFormat));
  const std::vector<std::wstring> header = HeaderLines(sos);
  EXPECT_NE(std::find(header.begin(), header.end(), L"...KOORDSYS 22 EUREF89 UTM"), header.end());
  EXPECT_NE(std::find(header.begin(), header.end(), L"...VERT-DATUM NN2000"), header.end());
  EXPECT_NE(std::find(header.begin(), header.end(), L"..SOSI-VERSJON 4.5"), header.end());
  for (const std::wstring& line : header) {
    for (const wchar_t* item : {L"STATUS", L"NETTYPE", L"NETT_NIV", L"NETTNIVÅ", L"ANLEGGSÅR"}) {
      EXPECT_EQ(line.find(item), std::wstring::npos) << platform::ToUtf8(line);
    }
  }

  const FybaFile file = ReadWithFyba(sos);
  ASSERT_TRUE(file.opened);
  EXPECT_TRUE(file.errors.empty()) << file.errors.front();
  ASSERT_FALSE(file.groups.empty());
  EXPECT_EQ(LocalIds(file).size(), file.groups.size()) << "an identifier is missing or repeated";
  const std::wstring material = fileFormat == 1 ? L"MATR_KODE" : L"MATERIAL";
  for (const SosiGroup& group : file.groups) {
    const std::string where = platform::ToUtf8(group.name) + " " + std::to_string(group.serial);
    EXPECT_TRUE(group.Value(L"NAVNEROM").has_value()) << where;
    const bool heights = std::any_of(group.coordinates.begin(), group.coordinates.end(),
                                     [](const SosiCoordinate& c) { return c.hasHeight; });
    if (heights) {
      EXPECT_TRUE(group.Value(L"HØYDEREFERANSE").has_value()) << where;
      EXPECT_TRUE(group.Value(L"KVALITET").has_value()) << where;
    }
    if (const auto code = group.Value(material)) {
      EXPECT_EQ(sosi_codes::MaterialCode(*code), *code) << where << ": material " << platform::ToUtf8(*code);
    }
    if (fileFormat == 2) {
      EXPECT_FALSE(group.name == L"KURVE" && group.Value(L"FUNKSJON").has_value()) << where;
      EXPECT_EQ(group.Value(L"GUID"), group.Value(L"LOKALID")) << where;
    }
  }

  // GDAL gives the identifier as fields of every feature, and reads without complaint.
  TempDir copy;
  std::filesystem::copy_file(sos, copy.File("read.sos"));
  const ProgramResult gdal = RunProgram("/usr/bin/ogrinfo", {"-ro", "-al", copy.File("read.sos").string()});
  ASSERT_EQ(gdal.exitCode, 0) << gdal.err;
  EXPECT_EQ(gdal.out.find("ERROR"), std::string::npos);
  EXPECT_EQ(gdal.err.find("ERROR"), std::string::npos) << gdal.err;
  const auto count = [&](const std::string& field) {
    std::size_t n = 0;
    for (auto at = gdal.out.find(field); at != std::string::npos; at = gdal.out.find(field, at + field.size())) ++n;
    return n;
  };
  EXPECT_EQ(count("\n  LOKALID (String) = "), file.groups.size());
  EXPECT_EQ(count("\n  NAVNEROM (String) = "), file.groups.size());
}

class RegisterRules : public testing::TestWithParam<int> {};

TEST_P(RegisterRules, HoldForTheSampleAndAGeneratedTown) {
  const LoadedNetwork sample = LoadNetwork(DataPath("samples/Ledningsnett_Eksempel.xml"));
  ASSERT_TRUE(sample.loaded);
  ExpectRegisterRules(Export(sample, GetParam())->sos, GetParam());

  TempDir dir;
  GenerateNetwork(5000, 17, dir.File("town.xml"));
  const LoadedNetwork town = LoadNetwork(dir.File("town.xml"));
  ASSERT_TRUE(town.loaded);
  ExpectRegisterRules(Export(town, GetParam())->sos, GetParam());
}

INSTANTIATE_TEST_SUITE_P(EveryFileFormat, RegisterRules, testing::Values(0, 1, 2));

TEST(RegisterIdentifiers, SurviveReorderedPointsAndAnAddedPipe) {
  const std::string xml = ReadBytes(DataPath("samples/Ledningsnett_Eksempel.xml"));
  TempDir dir;
  const LoadedNetwork model = LoadText(dir, "Ledningsnett.xml", xml);
  ASSERT_TRUE(model.loaded);
  const auto first = Export(model, 2);
  const auto again = Export(model, 2);
  EXPECT_EQ(ReadBytes(first->sos), ReadBytes(again->sos));

  // The point objects in reverse order, and one more pipe between two manholes.
  std::vector<std::string> lines;
  std::vector<std::string> points;
  std::istringstream in(xml);
  for (std::string line; std::getline(in, line);) {
    const bool point = std::regex_search(line, std::regex("^  <(Manhole|Valve|Hydrant|Gully|Fitting|Outlet|PipeJoint) "));
    (point ? points : lines).push_back(line);
  }
  std::string changed;
  for (const std::string& line : lines) {
    if (line.starts_with("</WsModel>")) {
      for (auto p = points.rbegin(); p != points.rend(); ++p) changed += *p + "\n";
      changed += "  <Pipe id=\"9001\" name=\"SP 160 PVC\" type=\"SP\" material=\"PVC\" shortMaterial=\"PVC\">"
                 "<Segment id=\"9002\" start=\"101\" end=\"102\"><V x=\"597000\" y=\"6650000\" z=\"109.9\"/>"
                 "<V x=\"597048.5\" y=\"6650006.2\" z=\"109.4\"/></Segment></Pipe>\n";
    }
    changed += line + "\n";
  }
  ASSERT_GT(points.size(), 10u);
  const LoadedNetwork changedModel = LoadText(dir, "Ledningsnett.xml", changed);
  ASSERT_TRUE(changedModel.loaded);
  const std::set<std::wstring> before = LocalIds(ReadWithFyba(first->sos));
  const std::set<std::wstring> after = LocalIds(ReadWithFyba(Export(changedModel, 2)->sos));
  EXPECT_EQ(after.size(), before.size() + 1);
  EXPECT_TRUE(std::includes(after.begin(), after.end(), before.begin(), before.end()));
}

}  // namespace
