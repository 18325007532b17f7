#include <gtest/gtest.h>

#include <random>

#include "SOSIMapperDataReader.h"
#include "SOSIMapperDataWriter.h"
#include "TempDir.h"
#include "WideText.h"

namespace {

// Records as a user could build them. A feature without a code and a negative
// group are made the way the file gives them back (cleared, group -1).
class RecordGenerator {
 public:
  explicit RecordGenerator(unsigned seed) : random_(seed) {}

  SOSIMapperData Next() {
    SOSIMapperData data;
    for (std::wstring* text :
         {&data.FileName, &data.CoordinateSystem, &data.Projection, &data.Date, &data.Quality, &data.MapId,
          &data.Producer, &data.Owner, &data.Year, &data.NetLevel, &data.Status, &data.StatusPipe,
          &data.StatusConnection, &data.GeometryQualityXY, &data.GeometryQualityZ}) {
      *text = Text();
    }
    static constexpr int kFileFormats[] = {0, 1, 2, 3, 7, -1, 2147483647, -2147483647 - 1};
    data.FileFormat = kFileFormats[Below(std::size(kFileFormats))];
    for (FeatureTablesByFormat* tables :
         {&data.PipeTypes, &data.PipeUsage, &data.PipeMethod, &data.PipeSupply, &data.ConnectionTypes,
          &data.ConnectionUsage, &data.ConnectionMethod, &data.PipeMaterials, &data.PipeMaterialsProductStandard}) {
      for (size_t n = Below(4); n > 0; --n) (*tables)[static_cast<int>(Below(5))] = Table();
    }
    return data;
  }

 private:
  size_t Below(size_t limit) { return std::uniform_int_distribution<size_t>(0, limit - 1)(random_); }

  std::wstring Text() {
    static const std::wstring kLetters = L"abzABZ09 æøåÆØÅ\"'<>&;:-./\\\t\n";
    std::wstring text;
    for (size_t n = Below(4) == 0 ? 0 : Below(14); n > 0; --n) text += kLetters[Below(kLetters.size())];
    return text;
  }

  FeatureTable Table() {
    FeatureTable table;
    for (size_t n = Below(6); n > 0; --n) {
      CWsFeature feature(Text(), Text(), static_cast<int>(Below(12)) - 3);
      if (feature.Feature().empty()) feature = CWsFeature();
      if (feature.Group() < 0) feature.Group(CWsFeature::kNoGroup);
      table[Text()] = feature;
    }
    return table;
  }

  std::mt19937 random_;
};

}  // namespace

TEST(SettingsRoundTrip, GeneratedRecordsReadBackEqual) {
  TempDir dir;
  RecordGenerator generator(20240611);
  const auto file = dir.File("Ledningsnett_ø.SOSIExport.cfg.xml");
  const std::wstring path = platform::FromUtf8(file.string());
  for (int i = 0; i < 300; ++i) {
    const SOSIMapperData written = generator.Next();
    ASSERT_TRUE(SaveSOSIMapperData(written, path));
    auto read = LoadSOSIMapperData(path);
    ASSERT_NE(read, nullptr) << "record " << i;
    ASSERT_EQ(*read, written) << "record " << i << ":\n" << ReadBytes(file);
  }
}

TEST(SettingsRoundTrip, CodeLessFeatureAndNegativeGroupComeBackCleared) {
  TempDir dir;
  SOSIMapperData data;
  data.PipeSupply[1][L"uten kode"] = CWsFeature(L"", L"Beskrivelse", 4);
  data.PipeSupply[1][L"uten gruppe"] = CWsFeature(L"SP", L"Spillvann", -7);
  ASSERT_TRUE(SaveSOSIMapperData(data, dir.File("s.xml").wstring()));
  auto read = LoadSOSIMapperData(dir.File("s.xml").wstring());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->PipeSupply[1].at(L"uten kode"), CWsFeature());
  EXPECT_EQ(read->PipeSupply[1].at(L"uten gruppe"), CWsFeature(L"SP", L"Spillvann", CWsFeature::kNoGroup));
}

