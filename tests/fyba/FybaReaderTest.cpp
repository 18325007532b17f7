// The FYBA reader the export tests rely on: if it misread coordinates or
// swallowed FYBA's reports, those tests would pass for the wrong reason.

#include "FybaReader.h"

#include <gtest/gtest.h>

#include "../writerlib/SosiTestText.h"
#include "TempDir.h"

namespace {

std::string Header(const std::string& transpar) {
  return ".HODE\n..TEGNSETT ISO8859-10\n..TRANSPAR\n...KOORDSYS 22\n" + transpar +
         "..OMRÅDE\n...MIN-NØ 6649900 596900\n...MAX-NØ 6650100 597100\n";
}

// Origin, units and a height unit of their own, so that nothing is right by
// accident: 49950000 mm north of 6600000 m is 6649950 m.
const std::string kFile = Header("...ORIGO-NØ 6600000 500000\n...ENHET 0.001\n...ENHET-H 0.01\n") +
                          ".KURVE 1:\n"
                          "..OBJTYPE Spillvannsledning\n"
                          "..EGS_LEDNING\n"
                          "...SID 301\n"
                          "...NAVN \"Sløyfa \"\"Å\"\" 5\"\n"
                          "..NØH\n"
                          "49950000 96950000 10550\n"
                          "49975000 96960000 10520\n"
                          ".PUNKT 2:\n"
                          "..OBJTYPE Kum\n"
                          "..NØ\n"
                          "50000000 96990000\n"
                          ".SLUTT\n";

const std::string kPlainHeader = Header("...ORIGO-NØ 0 0\n...ENHET 0.01\n");

FybaFile Read(const std::string& utf8) {
  TempDir dir;
  return ReadWithFyba(dir.Write("test.sos", SosBytes(utf8)));
}

}  // namespace

TEST(FybaReader, GivesCoordinatesInMetresWithOriginAndUnitsApplied) {
  const FybaFile file = Read(kFile);
  ASSERT_TRUE(file.opened);
  EXPECT_DOUBLE_EQ(file.header.originNorth, 6600000.0);
  EXPECT_DOUBLE_EQ(file.header.unit, 0.001);
  EXPECT_DOUBLE_EQ(file.header.heightUnit, 0.01);
  EXPECT_DOUBLE_EQ(file.header.maxEast, 597100.0);
  ASSERT_EQ(file.groups.size(), 2u);
  const auto& curve = file.groups[0].coordinates;
  ASSERT_EQ(curve.size(), 2u);
  EXPECT_NEAR(curve[1].north, 6649975.0, 1e-6);
  EXPECT_NEAR(curve[1].east, 596960.0, 1e-6);
  EXPECT_TRUE(curve[1].hasHeight);
  EXPECT_NEAR(curve[1].height, 105.20, 1e-6);
  const auto& point = file.groups[1].coordinates;
  ASSERT_EQ(point.size(), 1u);
  EXPECT_NEAR(point[0].north, 6650000.0, 1e-6);
  EXPECT_FALSE(point[0].hasHeight);
}

TEST(FybaReader, GivesGroupsWithSerialsAndDecodedElements) {
  const FybaFile file = Read(kFile);
  ASSERT_EQ(file.groups.size(), 2u);
  const SosiGroup& curve = file.groups[0];
  EXPECT_EQ(curve.name, L"KURVE");
  EXPECT_EQ(curve.serial, 1);
  EXPECT_EQ(file.groups[1].name, L"PUNKT");
  EXPECT_EQ(file.groups[1].serial, 2);
  ASSERT_FALSE(curve.elements.empty());
  EXPECT_EQ(curve.elements.front(), L"..OBJTYPE Spillvannsledning");
  EXPECT_EQ(curve.Value(L"SID"), L"301");
  EXPECT_EQ(curve.Value(L"NAVN"), L"Sløyfa \"Å\" 5");
  EXPECT_EQ(curve.Value(L"EGS_LEDNING"), L"");
  EXPECT_EQ(curve.Value(L"EIER"), std::nullopt);
  EXPECT_EQ(file.Count(L"PUNKT"), 1);
  EXPECT_TRUE(file.errors.empty());
}

TEST(FybaReader, CollectsWhatFybaReports) {
  const FybaFile tooLong = Read(kPlainHeader + ".PUNKT 1:\n..NAVN \"" + std::string(1100, 'x') + "\"\n..NØ\n0 0\n.SLUTT\n");
  ASSERT_FALSE(tooLong.errors.empty());
  EXPECT_EQ(tooLong.errors.front().rfind("164 ", 0), 0u) << tooLong.errors.front();

  const FybaFile jump = Read(kPlainHeader + ".PUNKT 1:\n..EGS_PUNKT\n....SID 5\n..NØ\n0 0\n.SLUTT\n");
  ASSERT_FALSE(jump.errors.empty());
  EXPECT_EQ(jump.errors.front().rfind("147 ", 0), 0u) << jump.errors.front();
}

TEST(FybaReader, ReportsAFileItCannotOpen) {
  const FybaFile noEnd = Read(kPlainHeader + ".PUNKT 1:\n..NØ\n0 0\n");
  EXPECT_FALSE(noEnd.opened);
  EXPECT_FALSE(noEnd.errors.empty());
}

TEST(FybaReader, LeavesNoIndexBesideTheFile) {
  TempDir dir;
  const auto file = dir.Write("test.sos", SosBytes(kFile));
  ASSERT_TRUE(ReadWithFyba(file).opened);
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) ++entries;
  EXPECT_EQ(entries, 1);
}
