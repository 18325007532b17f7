#pragma once
// Small networks built in code for the writer's tests: a sewer line of two
// segments between three manholes, a hydrant without height and a valve
// without a position; its mapping tables, and one export of it through the
// mapper's full argument list.

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "FeatureTable.h"
#include "LmWsSosiMapper.h"
#include "LwdDeviceSet.h"
#include "WideText.h"
#include "WsModelStore.h"

struct TestNetwork {
  std::shared_ptr<WsModelStore> store = std::make_shared<WsModelStore>();
  LwdDeviceSet devices;  // the export set: segments and point objects
  LwdDevicePointObject* sk01 = nullptr;
  LwdDevicePointObject* sk02 = nullptr;
  LwdDevicePointObject* sk03 = nullptr;
  LwdDevicePointObject* hydrant = nullptr;
  LwdDevicePointObject* valve = nullptr;
  LwdPipe* pipe = nullptr;
  LwdDeviceSegment* first = nullptr;
  LwdDeviceSegment* second = nullptr;

  TestNetwork() {
    const GmiPosition p1(569012.34, 7034123.45, 12.30);
    const GmiPosition p2(569052.10, 7034131.00, 11.95);
    const GmiPosition p3(569080.00, 7034150.00, 11.50);
    const GmiPosition ph(569030.00, 7034140.00);
    sk01 = store->AddPointObject(kClassManhole, 101, L"-SK01", L"Kum 1200 betong", &p1);
    sk02 = store->AddPointObject(kClassManhole, 102, L"-SK02", L"Kum 1200 betong", &p2);
    sk03 = store->AddPointObject(kClassManhole, 103, L"-SK03", L"Kum 1200 betong", &p3);
    hydrant = store->AddPointObject(kClassHydrant, 104, L"H1", L"Hydrant", &ph);
    valve = store->AddPointObject(kClassValve, 105, L"V1", L"Stengeventil", nullptr);
    pipe = store->AddPipe(201, L"SP 160 PVC", L"SP", L"PVC", L"PVC");
    store->SetPipeDimension(pipe, 160);
    first = store->AddSegment(pipe, 301, {{569012.34, 7034123.45, 10.80, true}, {569052.10, 7034131.00, 10.55, true}});
    second = store->AddSegment(pipe, 302, {{569052.10, 7034131.00, 10.55, true}, {569080.00, 7034150.00, 10.30, true}});
    store->SetSegmentEnds(first, sk01, sk02);
    store->SetSegmentEnds(second, sk02, sk03);
    for (const LwdDevice* device : std::vector<const LwdDevice*>{first, second, sk01, sk02, sk03, hydrant, valve}) {
      devices.addDevice(device);
    }
  }
};

// The mapping tables of a run: the pipe and the manholes mapped, the hydrant
// and the valve not.
struct TestTables {
  FeatureTable pipeTypes{{L"SP 160 PVC", CWsFeature(L"SP", L"Spillvannsledning", 2)}};
  FeatureTable pipeUsage{{L"SP 160 PVC", CWsFeature(L"H", L"Hovednett")}};
  FeatureTable pipeMethod{{L"SP 160 PVC", CWsFeature(L"MUF", L"Muffeskjøt")}};
  FeatureTable pipeSupply{{L"SP 160 PVC", CWsFeature(L"SF", L"Selvfall")}};
  FeatureTable materials{{L"PVC", CWsFeature(L"PVC", L"Polyvinylklorid")}};
  FeatureTable standards{{L"PVC", CWsFeature(L"NS-EN 1401-1", L"PVC-U avløp")}};
  FeatureTable connectionTypes{{L"Kum 1200 betong", CWsFeature(L"KUM", L"Kum")}};
  FeatureTable connectionUsage{{L"Kum 1200 betong", CWsFeature(L"SK", L"Spillvannskum", 2)}};
  FeatureTable connectionMethod{{L"Kum 1200 betong", CWsFeature(L"B", L"Prefabrikert betong")}};
};

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
