#include <gtest/gtest.h>

#include "AtomicFile.h"
#include "TempDir.h"

namespace fs = std::filesystem;

TEST(AtomicFile, KeepsThePermissionsOfTheReplacedFile) {
  TempDir dir;
  const auto target = dir.Write("shared.xml", "old");
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  platform::AtomicFile file;
  ASSERT_TRUE(file.Open(target.string()));
  file.Write("new");
  ASSERT_TRUE(file.Commit());
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

