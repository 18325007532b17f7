#include "LmWsSosiMapper.h"

#include <gtest/gtest.h>

#include "HostConsole.h"
#include "SosiTestText.h"
#include "TempDir.h"
#include "TestNetwork.h"

TEST(LmWsSosiMapper, HeaderValuesReachTheirElements) {
  TempDir dir;
  MapperCall call;
  platform::HostCapture capture;
  ASSERT_TRUE(call.Run(dir.File("out.sos"), 2));
  const std::string text = Readable(ReadBytes(dir.File("out.sos")));
  for (const char* expected :
       {"...KOORDSYS 25 EUREF89 UTM\n", "...PRODUKTSPEK \"Kart 7\"\n", "..EIER k\n",
        "..PRODUSENT \"Produsent AS\"\n", "..KVALITET 96 5 0\n.KURVE 1:\n",
        "...NETTYPE H\n...STATUS D\n...EIER K\n...ANLEGGSÅR 1999\n", "..KVALITET 11 5 0 5 *\n",
        "...STATUS N\n...EIER K\n", "...LINJEIDANL +P1=320.01-SP01\n", "...PUNKTIDANL +P1=320.01-SK02\n"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
}
