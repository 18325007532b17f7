// Exported files read back with FYBA, heights included: every curve and point
// the writer says it wrote, with the vertices the model gives its segment or
// point object, and nothing FYBA complains about.

#include <gtest/gtest.h>

#include <algorithm>

#include "FybaReader.h"
#include "GroupPairing.h"
#include "LmWSModel.h"
#include "NetworkExport.h"
#include "TempDir.h"
#include "WideText.h"

namespace {

constexpr double kCentimetre = 0.01;
// Every Norwegian letter, which FYBA must give back as such.
const std::wstring kOwner = L"Blåbærøy ÆØÅ kommune";

// The elements that name a curve's and a point's model object in each file
// format, the id element where the format writes one, and a run's tag.
struct VariantElements {
  std::wstring_view curveName;
  std::wstring_view pointName;
  std::wstring_view id;
  std::wstring_view tag;
};

VariantElements ElementsOf(int fileFormat) {
  switch (fileFormat) {
    case 1:
      return {L"LEDN_NAV", L"KOPL_NAV", L"", L"IDENT"};
    case 2:
      return {L"NAVN", L"NAVN", L"SID", L"LINJEIDANL"};
    default:
      return {L"NAVN", L"NAVN", L"", L"IDENT"};
  }
}

std::vector<const SosiGroup*> GroupsNamed(const FybaFile& file, std::wstring_view name) {
  std::vector<const SosiGroup*> groups;
  for (const SosiGroup& group : file.groups) {
    if (group.name == name) groups.push_back(&group);
  }
  return groups;
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

ReadBack ExportAndRead(const LwdDeviceSet& devices, int fileFormat, PipeRuns* runs = nullptr,
                       PipeTags* tags = nullptr) {
  ReadBack r;
  r.fileFormat = fileFormat;
  TempDir dir;
  const auto sos = dir.File("export.sos");
  r.outcome = ExportNetwork(devices, fileFormat, sos, kOwner, runs, tags);
  if (!r.outcome.written) return r;
  r.file = ReadWithFyba(sos);
  r.curves = ExpectedCurves(devices, runs, tags);
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

  std::vector<long> serials;
  for (const SosiGroup& group : r.file.groups) serials.push_back(group.serial);
  std::sort(serials.begin(), serials.end());
  for (std::size_t i = 0; i < serials.size(); ++i) EXPECT_EQ(serials[i], static_cast<long>(i + 1));

  const VariantElements elements = ElementsOf(r.fileFormat);
  std::vector<std::string> differences;
  for (const auto* pairing : {&r.curvePairs, &r.pointPairs}) {
    const std::wstring_view nameElement = pairing == &r.curvePairs ? elements.curveName : elements.pointName;
    for (const auto& [group, object] : *pairing) {
      if (std::string d = CoordinateDifferences(*group, *object, kCentimetre); !d.empty()) differences.push_back(d);
      if (group->Value(nameElement) != object->name) {
        differences.push_back(std::to_string(group->serial) + ": not named " + platform::ToUtf8(object->name));
      }
      if (!elements.id.empty() && group->Value(elements.id) != std::to_wstring(object->id)) {
        differences.push_back(std::to_string(group->serial) + ": not the id " + std::to_string(object->id));
      }
      if (group->Value(L"EIER") != kOwner) differences.push_back(std::to_string(group->serial) + ": another owner");
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

LoadedNetwork LoadGenerated(std::int64_t pipes, std::uint64_t seed) {
  TempDir dir;
  const auto modelFile = dir.File("generated.xml");
  GenerateNetwork(pipes, seed, modelFile);
  return LoadNetwork(modelFile);
}

// Each pipe of the set a run of its segments, every other one tagged as lying
// against its pipe line, so written backwards.
void PipesAsRuns(const LwdDeviceSet& devices, PipeRuns& runs, PipeTags& tags) {
  for (int i = 0; i < devices.numDevices(); ++i) {
    if (devices.getDevice(i)->getClassId() != kClassPipe) continue;
    const auto* pipe = static_cast<const LwdPipe*>(devices.getDevice(i));
    std::vector<const LwdDeviceSegment*> run;
    for (int s = 0; s < pipe->numDeviceSegments(); ++s) run.push_back(pipe->getDeviceSegment(s));
    if (run.empty()) continue;
    tags[run.front()->getPersistentID()] = {L"+P1=RUN" + std::to_wstring(runs.size()), runs.size() % 2 == 0};
    runs.push_back(std::move(run));
  }
}

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

struct GeneratedCase {
  std::int64_t pipes;
  std::uint64_t seed;
  int fileFormat;
};

void PrintTo(const GeneratedCase& c, std::ostream* out) {
  *out << c.pipes << " pipes, seed " << c.seed << ", file format " << c.fileFormat;
}

class FybaGeneratedExport : public testing::TestWithParam<GeneratedCase> {};

TEST_P(FybaGeneratedExport, CarriesEveryObjectWithItsHeights) {
  const LoadedNetwork model = LoadGenerated(GetParam().pipes, GetParam().seed);
  ASSERT_TRUE(model.loaded);
  ExpectEveryObjectCarried(ExportAndRead(*model.devices, GetParam().fileFormat));
}

INSTANTIATE_TEST_SUITE_P(Town, FybaGeneratedExport,
                         testing::Values(GeneratedCase{2000, 4242, 0}, GeneratedCase{2000, 4242, 1},
                                         GeneratedCase{2000, 4242, 2}),
                         [](const testing::TestParamInfo<GeneratedCase>& info) {
                           return std::to_string(info.param.pipes) + "Pipes_Format" +
                                  std::to_string(info.param.fileFormat);
                         });

class FybaRunExport : public testing::TestWithParam<int> {};

TEST_P(FybaRunExport, CarriesEachRunAsOneCurveWithItsHeights) {
  const LoadedNetwork model = LoadGenerated(200, 23);
  ASSERT_TRUE(model.loaded);
  PipeRuns runs;
  PipeTags tags;
  PipesAsRuns(*model.devices, runs, tags);
  const ReadBack r = ExportAndRead(*model.devices, GetParam(), &runs, &tags);
  ExpectEveryObjectCarried(r);
  int backwards = 0;
  for (const auto& [group, object] : r.curvePairs) {
    const auto& [tag, runsAlong] = tags.at(object->id);
    EXPECT_EQ(group->Value(ElementsOf(GetParam()).tag), tag) << group->serial;
    backwards += runsAlong ? 0 : 1;
  }
  EXPECT_GT(backwards, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryFileFormat, FybaRunExport, testing::Values(0, 1, 2));

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

TEST(FybaExport, ReadsAShortenedLongValueWithoutComplaint) {
  WsModelStore store;
  LwdDeviceSet devices;
  std::wstring name;
  for (int i = 0; i < 300; ++i) name += L"Kum ";
  const GmiPosition position(597000.0, 6650000.0, 110.0);
  devices.addDevice(store.AddPointObject(kClassManhole, 100, name, L"Kum", &position));
  for (const int fileFormat : {0, 1, 2}) {
    SCOPED_TRACE(fileFormat);
    const ReadBack r = ExportAndRead(devices, fileFormat);
    ASSERT_TRUE(r.file.opened);
    EXPECT_TRUE(r.file.errors.empty()) << FirstLines(r.file.errors);
    ASSERT_EQ(r.file.groups.size(), 1u);
    const std::wstring read = r.file.groups[0].Value(ElementsOf(fileFormat).pointName).value_or(L"");
    EXPECT_GT(read.size(), 900u);
    EXPECT_LT(read.size(), name.size());
    EXPECT_EQ(name.rfind(read, 0), 0u);
  }
}

TEST(FybaExport, ReadsAFileWithoutObjects) {
  const LwdDeviceSet devices;
  for (const int fileFormat : {0, 1, 2}) {
    SCOPED_TRACE(fileFormat);
    const ReadBack r = ExportAndRead(devices, fileFormat);
    EXPECT_EQ(r.outcome.curves + r.outcome.points, 0);
    EXPECT_TRUE(r.file.opened);
    EXPECT_TRUE(r.file.errors.empty()) << FirstLines(r.file.errors);
    EXPECT_TRUE(r.file.groups.empty());
  }
}
