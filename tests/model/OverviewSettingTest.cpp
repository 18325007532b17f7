#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "LmWsSosiExportUI.h"
#include "TempDir.h"

namespace {

// Points the suite's configuration database at a file in a fresh folder.
class ConfigDbAt {
 public:
  explicit ConfigDbAt(const std::filesystem::path& database) {
    if (const char* value = std::getenv("LMWS_CONFIGDB")) previous_ = value;
    ::setenv("LMWS_CONFIGDB", database.c_str(), 1);
  }
  ~ConfigDbAt() {
    if (previous_) {
      ::setenv("LMWS_CONFIGDB", previous_->c_str(), 1);
    } else {
      ::unsetenv("LMWS_CONFIGDB");
    }
  }

 private:
  std::optional<std::string> previous_;
};

bool FlagWith(const std::string& value) {
  TempDir dir;
  dir.Write("Water_LmWsSOSIExport.ini", "[Defaults]\nUseTagCSVFile=" + value + "\n");
  ConfigDbAt database(dir.File("Water_Db.mdb"));
  return LmWsSosiExportUI().UseOverviewFiles();
}

}  // namespace

TEST(OverviewSetting, TrueInAnyCaseSwitchesItOnAndOtherWordsLeaveItOff) {
  EXPECT_TRUE(FlagWith("True"));
  EXPECT_TRUE(FlagWith("true"));
  EXPECT_TRUE(FlagWith("  TRUE "));
  EXPECT_FALSE(FlagWith("yes"));
  EXPECT_FALSE(FlagWith(""));
}

TEST(OverviewSetting, TheFileIsNamedAfterTheDatabaseUpToItsLastUnderscore) {
  TempDir dir;
  dir.Write("A_B_LmWsSOSIExport.ini", "[defaults]\nusetagcsvfile=True\n");
  dir.Write("Db.mdb_LmWsSOSIExport.ini", "[Defaults]\nUseTagCSVFile=True\n");
  const std::pair<const char*, bool> rows[] = {{"A_B_Config.db", true}, {"Db.mdb", true}, {"Missing_Config.db", false}};
  for (const auto& [database, on] : rows) {
    ConfigDbAt at(dir.File(database));
    EXPECT_EQ(LmWsSosiExportUI().UseOverviewFiles(), on) << database;
  }
}
