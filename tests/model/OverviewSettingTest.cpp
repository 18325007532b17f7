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

}  // namespace

// The file is named after the database up to its last underscore; True in
// any case switches the flag on, other words leave it off.
TEST(OverviewSetting, TheFileBesideTheDatabaseSaysTrue) {
  TempDir dir;
  const struct {
    const char* database;
    const char* ini;  // null: no file
    const char* value;
    bool on;
  } rows[] = {
      {"Water_Db.mdb", "Water_LmWsSOSIExport.ini", "True", true},
      {"Water_Db.mdb", "Water_LmWsSOSIExport.ini", "  true ", true},
      {"Water_Db.mdb", "Water_LmWsSOSIExport.ini", "yes", false},
      {"A_B_Config.db", "A_B_LmWsSOSIExport.ini", "TRUE", true},
      {"Db.mdb", "Db.mdb_LmWsSOSIExport.ini", "True", true},
      {"Missing_Config.db", nullptr, nullptr, false},
  };
  for (const auto& row : rows) {
    if (row.ini != nullptr) dir.Write(row.ini, std::string("[defaults]\nusetagcsvfile=") + row.value + "\n");
    ConfigDbAt at(dir.File(row.database));
    EXPECT_EQ(LmWsSosiExportUI().UseOverviewFiles(), row.on) << row.database << " " << (row.value ? row.value : "");
  }
}
