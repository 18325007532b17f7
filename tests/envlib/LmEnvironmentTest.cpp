#include <gtest/gtest.h>

#include "LmEnvironment.h"
#include "ScopedEnv.h"

TEST(LmEnvironment, ExpandsTheModulePlaceholders) {
  ScopedEnv app("LMWS_APPATH", "/opt/Vågå");
  ScopedEnv config("LMWS_CURRENTCONFIG", "Kommune");
  EXPECT_EQ(LmEnBuildFilename(L"<APPATH>\\WaterSewer\\Config\\<CURRENTCONFIG>\\", 0, 0),
            L"/opt/Vågå/WaterSewer/Config/Kommune/");
  EXPECT_EQ(LmEnBuildFilename(L"<APPATH>\\WaterSewer\\Config\\<CURRENTCONFIG>\\SOSIExport.cfg.xml", 0, 0),
            L"/opt/Vågå/WaterSewer/Config/Kommune/SOSIExport.cfg.xml");
}

TEST(LmEnvironment, OtherPlaceholdersComeFromTheirVariableOrStay) {
  ScopedEnv temp("LMWS_TEMP", "/tmp/x");
  ScopedEnv unset("LMWS_USERDATA", nullptr);
  EXPECT_EQ(LmEnBuildFilename(L"<TEMP>\\a", 0, 0), L"/tmp/x/a");
  EXPECT_EQ(LmEnBuildFilename(L"<USERDATA>\\a", 0, 0), L"<USERDATA>/a");
  EXPECT_EQ(LmEnBuildFilename(L"no <closing", 0, 0), L"no <closing");
}

TEST(LmEnvironment, ConfigDbSitsInTheCurrentConfiguration) {
  ScopedEnv app("LMWS_APPATH", "/srv/suite");
  ScopedEnv config("LMWS_CURRENTCONFIG", nullptr);
  {
    ScopedEnv db("LMWS_CONFIGDB", nullptr);
    EXPECT_EQ(WsLmEnvUtils::GetConfigDb(), L"/srv/suite/WaterSewer/Config/Default/WaterSewer_Config.db");
  }
  ScopedEnv db("LMWS_CONFIGDB", "/cfg/Water_Db.mdb");
  EXPECT_EQ(WsLmEnvUtils::GetConfigDb(), L"/cfg/Water_Db.mdb");
}
