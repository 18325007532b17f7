#include <gtest/gtest.h>

#include "LmWsSosiExportUI.h"
#include "ScopedEnv.h"
#include "TempDir.h"

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
    const ScopedEnv at("LMWS_CONFIGDB", dir.File(row.database).c_str());
    EXPECT_EQ(LmWsSosiExportUI().UseOverviewFiles(), row.on) << row.database << " " << (row.value ? row.value : "");
  }
}
