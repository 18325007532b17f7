#include <gtest/gtest.h>

#include <sys/stat.h>

#include "AtomicFile.h"
#include "TempDir.h"

namespace fs = std::filesystem;

namespace {
size_t CountFiles(const fs::path& dir) {
  size_t n = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir)) ++n;
  return n;
}
}  // namespace

TEST(AtomicFile, ReplacesTheTargetOnlyOnCommit) {
  TempDir dir;
  const auto target = dir.Write("settings.xml", "old");
  {
    platform::AtomicFile discarded;
    ASSERT_TRUE(discarded.Open(target.string()));
    discarded.Write("half");
  }
  EXPECT_EQ(ReadBytes(target), "old");
  platform::AtomicFile file;
  ASSERT_TRUE(file.Open(target.string()));
  ASSERT_TRUE(file.Write("new contents"));
  EXPECT_EQ(ReadBytes(target), "old");
  ASSERT_TRUE(file.Commit());
  EXPECT_EQ(ReadBytes(target), "new contents");
  EXPECT_EQ(CountFiles(dir.Path()), 1u);
}

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

