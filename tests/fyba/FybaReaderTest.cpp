// The FYBA reader the export tests rely on: if it swallowed FYBA's reports,
// those tests would pass for the wrong reason.

#include "FybaReader.h"

#include <gtest/gtest.h>

#include "../writerlib/SosiTestText.h"
#include "TempDir.h"

namespace {

const std::string kPlainHeader =
    ".HODE\n..TEGNSETT ISO8859-10\n..TRANSPAR\n...KOORDSYS 22\n...ORIGO-NØ 0 0\n...ENHET 0.01\n"
    "..OMRÅDE\n...MIN-NØ 6649900 596900\n...MAX-NØ 6650100 597100\n";

FybaFile Read(const std::string& utf8) {
  TempDir dir;
  return ReadWithFyba(dir.Write("test.sos", SosBytes(utf8)));
}

}  // namespace

TEST(FybaReader, CollectsWhatFybaReports) {
  const FybaFile tooLong = Read(kPlainHeader + ".PUNKT 1:\n..NAVN \"" + std::string(1100, 'x') + "\"\n..NØ\n0 0\n.SLUTT\n");
  ASSERT_FALSE(tooLong.errors.empty());
  EXPECT_EQ(tooLong.errors.front().rfind("164 ", 0), 0u) << tooLong.errors.front();

  const FybaFile jump = Read(kPlainHeader + ".PUNKT 1:\n..EGS_PUNKT\n....SID 5\n..NØ\n0 0\n.SLUTT\n");
  ASSERT_FALSE(jump.errors.empty());
  EXPECT_EQ(jump.errors.front().rfind("147 ", 0), 0u) << jump.errors.front();
}
