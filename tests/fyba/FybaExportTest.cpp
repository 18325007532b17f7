// Exported files read back with FYBA, heights included: every curve and point
// the writer says it wrote, with the vertices the model gives its segment or
// point object, and nothing FYBA complains about.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "FybaReader.h"
#include "LmWSModel.h"
#include "NetworkExport.h"
#include "TempDir.h"
#include "WideText.h"

namespace {

constexpr double kCentimetre = 0.01;
const std::wstring kOwner = L"Blåbærøy kommune";

// The element that names a curve's or a point's model object.
std::wstring_view NameElement(int fileFormat, bool curve) {
  if (fileFormat != 1) return L"NAVN";
  return curve ? L"LEDN_NAV" : L"KOPL_NAV";
}

std::vector<const SosiGroup*> GroupsNamed(const FybaFile& file, std::wstring_view name) {
  std::vector<const SosiGroup*> groups;
  for (const SosiGroup& group : file.groups) {
    if (group.name == name) groups.push_back(&group);
  }
  return groups;
}

using GroupPairs = std::vector<std::pair<const SosiGroup*, const ExpectedObject*>>;

// The groups in file order beside the objects in the model's order, which
// the writer keeps.
GroupPairs PairInOrder(const std::vector<const SosiGroup*>& groups, const std::vector<ExpectedObject>& objects) {
  GroupPairs pairs;
  for (std::size_t i = 0; i < groups.size() && i < objects.size(); ++i) pairs.emplace_back(groups[i], &objects[i]);
  return pairs;
}

// Empty when the group holds the object's vertices in order, each within a
// centimetre in north, east and height. Heights are expected when every
// vertex has one, and none otherwise.
std::string CoordinateDifferences(const SosiGroup& group, const ExpectedObject& object) {
  const std::string where = platform::ToUtf8(group.name) + " " + std::to_string(group.serial) + " (model object " +
                            std::to_string(object.id) + ")";
  if (group.coordinates.size() != object.vertices.size()) return where + ": another number of coordinates";
  const bool heights = std::all_of(object.vertices.begin(), object.vertices.end(), [](auto& v) { return v.hasZ; });
  const auto near = [](double a, double b) { return std::abs(a - b) <= kCentimetre; };
  for (std::size_t i = 0; i < object.vertices.size(); ++i) {
    const WSVertex& vertex = object.vertices[i];
    const SosiCoordinate& read = group.coordinates[i];
    if (!near(read.north, vertex.y) || !near(read.east, vertex.x) || read.hasHeight != heights ||
        (heights && !near(read.height, vertex.z))) {
      return where + ": coordinate " + std::to_string(i + 1) + " differs";
    }
  }
  return {};
}

// The first few, for a failure message that stays readable.
std::string FirstLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size() && i < 10; ++i) text += lines[i] + "\n";
  return text;
}

struct ReadBack {
  int fileFormat = 0;
  ExportOutcome outcome;
  FybaFile file;
  std::vector<ExpectedObject> curves;
  std::vector<ExpectedObject> points;
  GroupPairs curvePairs;
  GroupPairs pointPairs;
};

ReadBack ExportAndRead(const LwdDeviceSet& devices, int fileFormat) {
  ReadBack r;
  r.fileFormat = fileFormat;
  TempDir dir;
  const auto sos = dir.File("export.sos");
  r.outcome = ExportNetwork(devices, fileFormat, sos, kOwner);
  if (!r.outcome.written) return r;
  r.file = ReadWithFyba(sos);
  r.curves = ExpectedCurves(devices);
  r.points = ExpectedPoints(devices);
  r.curvePairs = PairInOrder(GroupsNamed(r.file, L"KURVE"), r.curves);
  r.pointPairs = PairInOrder(GroupsNamed(r.file, L"PUNKT"), r.points);
  return r;
}

void ExpectEveryObjectCarried(const ReadBack& r) {
  ASSERT_TRUE(r.outcome.written) << platform::ToUtf8(r.outcome.commandLine);
  ASSERT_TRUE(r.file.opened) << FirstLines(r.file.errors);
  EXPECT_TRUE(r.file.errors.empty()) << FirstLines(r.file.errors);
  ASSERT_GT(r.curves.size(), 0u);
  ASSERT_GT(r.points.size(), 0u);

  EXPECT_EQ(r.outcome.curves, static_cast<long>(r.curves.size()));
  EXPECT_EQ(r.outcome.points, static_cast<long>(r.points.size()));
  EXPECT_EQ(r.file.Count(L"KURVE"), r.outcome.curves);
  EXPECT_EQ(r.file.Count(L"PUNKT"), r.outcome.points);
  EXPECT_EQ(r.file.groups.size(), r.curves.size() + r.points.size());

  std::vector<std::string> differences;
  for (const auto* pairing : {&r.curvePairs, &r.pointPairs}) {
    const std::wstring_view nameElement = NameElement(r.fileFormat, pairing == &r.curvePairs);
    for (const auto& [group, object] : *pairing) {
      if (std::string d = CoordinateDifferences(*group, *object); !d.empty()) differences.push_back(d);
      if (group->Value(nameElement) != object->name) {
        differences.push_back(std::to_string(group->serial) + ": not named " + platform::ToUtf8(object->name));
      }
      if (pairing == &r.pointPairs && group->Value(L"TYPE") != object->type) {
        differences.push_back(std::to_string(group->serial) + ": not the type " + platform::ToUtf8(object->type));
      }
    }
  }
  EXPECT_TRUE(differences.empty()) << differences.size() << " groups differ:\n" << FirstLines(differences);

  std::vector<std::string> outside;
  const SosiFileHeader& h = r.file.header;
  for (const SosiGroup& group : r.file.groups) {
    for (const SosiCoordinate& c : group.coordinates) {
      if (c.north < h.minNorth || c.north > h.maxNorth || c.east < h.minEast || c.east > h.maxEast) {
        outside.push_back(platform::ToUtf8(group.name) + " " + std::to_string(group.serial));
      }
    }
  }
  EXPECT_TRUE(outside.empty()) << "outside ..OMRÅDE:\n" << FirstLines(outside);
}

LoadedNetwork LoadSample() { return LoadNetwork(DataPath("samples/Ledningsnett_Eksempel.xml")); }

}  // namespace

class FybaSampleExport : public testing::TestWithParam<int> {};

TEST_P(FybaSampleExport, CarriesEveryObjectWithItsHeightsAndNorwegianLetters) {
  const LoadedNetwork model = LoadSample();
  ASSERT_TRUE(model.loaded);
  const ReadBack r = ExportAndRead(*model.devices, GetParam());
  ExpectEveryObjectCarried(r);
  // Point object types such as "Rørskjøt" and "Utløp".
  int typesWithLetters = 0;
  for (const auto& [group, object] : r.pointPairs) {
    typesWithLetters += platform::ToUtf8(object->type).size() > object->type.size() ? 1 : 0;
  }
  EXPECT_GT(typesWithLetters, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryFileFormat, FybaSampleExport, testing::Values(0, 1, 2));

TEST(FybaExport, ReadsBackTextsThatSosiGivesAMeaningTo) {
  WsModelStore store;
  LwdDeviceSet devices;
  const std::vector<std::wstring> names = {L".5",  L"!merk",     L"*",           L"@", L"&",
                                           L"a:b", L"to  blanke", L" vor og bak ", L"\"sitat\" og 'enkel'"};
  for (std::size_t i = 0; i < names.size(); ++i) {
    const GmiPosition position(597000.0 + i, 6650000.0 + i, 110.0 + i * 0.01);
    devices.addDevice(store.AddPointObject(kClassManhole, 100 + static_cast<int>(i), names[i], L"Kum", &position));
  }
  LwdPipe* pipe = store.AddPipe(200, L"..SP \"160\" ! PVC:", L"SP", L"PVC", L"PVC");
  devices.addDevice(store.AddSegment(pipe, 300, {{597000.0, 6650000.0, 108.5, true}, {597010.0, 6650005.0, 108.4, true}}));
  for (const int fileFormat : {0, 1, 2}) {
    SCOPED_TRACE(fileFormat);
    ExpectEveryObjectCarried(ExportAndRead(devices, fileFormat));
  }
}
