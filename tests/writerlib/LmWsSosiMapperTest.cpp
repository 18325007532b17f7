#include "LmWsSosiMapper.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "HostConsole.h"
#include "SosiTestText.h"
#include "TempDir.h"
#include "TestNetwork.h"
#include "WideText.h"

namespace {

// One export through the full argument list; the header values are
// distinct so that each can be found where it belongs.
struct MapperCall {
  TestNetwork net;
  TestTables tables;
  std::map<int, std::wstring> pointTags{{102, L"+P1=320.01-SK02"}};
  std::map<int, std::pair<std::wstring, bool>> pipeTags{{301, {L"+P1=320.01-SP01", true}}};
  std::vector<std::vector<const LwdDeviceSegment*>> runs{{net.first, net.second}};

  bool Run(const std::filesystem::path& path, int fileFormat) {
    LmWsSosiMapper mapper;
    mapper.SetSOSIFileFormat(static_cast<LmWsSosiMapper::eSOSIFileFormat>(fileFormat));
    return mapper.MapToSosi(platform::FromUtf8(path.string()).c_str(), &net.devices, nullptr, {}, &tables.pipeTypes,
                            &tables.pipeUsage, &tables.pipeMethod, &tables.pipeSupply, &tables.materials,
                            &tables.standards, &tables.connectionTypes, &tables.connectionUsage,
                            &tables.connectionMethod, &pointTags, &pipeTags, &runs, L"25: EUREF89 UTM35", L"EUREF89",
                            L"UTM", L"96 5 0", L"k", L"Produsent AS", L"Kart 7", L"O: Overføringsnett",
                            L"U: Under arbeid", L"1999", L"D: Drift", L"N: Nedlagt", L"11: Totalstasjon",
                            L"5: GPS");
  }
};

}  // namespace

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
