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

TEST(FybaReader, GivesGroupsWithDecodedElementsAndCoordinatesInMetres) {
  TempDir dir;
  const FybaFile file = ReadWithFyba(dir.Write("test.sos", SosBytes(kFile)));
  ASSERT_TRUE(file.opened);
  EXPECT_TRUE(file.errors.empty());
  EXPECT_DOUBLE_EQ(file.header.maxEast, 597100.0);
  ASSERT_EQ(file.groups.size(), 2u);
  const SosiGroup& curve = file.groups[0];
  EXPECT_EQ(curve.name, L"KURVE");
  EXPECT_EQ(file.groups[1].serial, 2);
  EXPECT_EQ(curve.Value(L"SID"), L"301");
  EXPECT_EQ(curve.Value(L"NAVN"), L"Sløyfa \"Å\" 5");
  EXPECT_EQ(curve.Value(L"EGS_LEDNING"), L"");
  EXPECT_EQ(curve.Value(L"EIER"), std::nullopt);
  ASSERT_EQ(curve.coordinates.size(), 2u);
  EXPECT_NEAR(curve.coordinates[1].north, 6649975.0, 1e-6);
  EXPECT_NEAR(curve.coordinates[1].east, 596960.0, 1e-6);
  EXPECT_NEAR(curve.coordinates[1].height, 105.20, 1e-6);
  EXPECT_FALSE(file.groups[1].coordinates.at(0).hasHeight);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1) << "no index beside the file";
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
  EXPECT_FALSE(Read(kPlainHeader + ".PUNKT 1:\n..NØ\n0 0\n").opened);
}

