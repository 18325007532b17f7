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

TEST(AtomicFile, FailedRenameKeepsTheTargetAndRemovesTheTemporary) {
  TempDir dir;
  // A folder in the target's place cannot be replaced by a file.
  fs::create_directory(dir.File("target.xml"));
  platform::AtomicFile file;
  ASSERT_TRUE(file.Open(dir.File("target.xml").string()));
  file.Write("data");
  EXPECT_FALSE(file.Commit());
  EXPECT_TRUE(fs::is_directory(dir.File("target.xml")));
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

TEST(AtomicFile, ReadOnlyTargetIsNotReplaced) {
  TempDir dir;
  const auto target = dir.Write("vern.sos", "protected");
  fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  platform::AtomicFile file;
  EXPECT_FALSE(file.Open(target.string()));
  EXPECT_EQ(ReadBytes(target), "protected");
  EXPECT_EQ(CountFiles(dir.Path()), 1u);
}
