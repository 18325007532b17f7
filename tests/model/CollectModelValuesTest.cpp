#include <gtest/gtest.h>

#include "LoadedNetwork.h"

using namespace testnet;

namespace {

Pipe MadeOf(int id, const std::string& name, const std::string& material, const std::string& shortMaterial) {
  return Pipe{id, name, "SP", material, shortMaterial, {Segment{id + 1000, 0, 0, {{0, 0}, {1, 1}}}}};
}

}  // namespace

TEST(CollectModelValues, NamesAndTypesAreDistinctAndSortedMaterialsKeepTheirFirstOrder) {
  Network net;
  net.elements.push_back(MadeOf(1, "VL 110 PE", "PE", "PE"));
  net.elements.push_back(MadeOf(2, "SP 160 PVC", "PVC", "PVC"));
  net.elements.push_back(MadeOf(3, "sp 160 pvc", "PE", "PE100"));
  net.elements.push_back(MadeOf(4, "SP 160 PVC", "PE", "PE"));
  net.elements.push_back(MadeOf(5, "", "PVC", "PVC"));
  net.elements.push_back(PointObject{10, "Manhole", "-SK01", "Kum 1200", {}});
  net.elements.push_back(PointObject{11, "Valve", "V1", "Kum 1200", {}});
  net.elements.push_back(PointObject{12, "Hydrant", "H1", "", {}});
  net.elements.push_back(PointObject{13, "PipeJoint", "J1", "Skjøt", {}});
  net.elements.push_back(OtherDevice{14});
  const auto loaded = LoadNetwork(net);
  ASSERT_NE(loaded, nullptr);

  std::vector<std::wstring> names{L"left over"}, types{L"left over"};
  std::vector<std::pair<std::wstring, std::wstring>> materials{{L"left", L"over"}};
  for (int round = 0; round < 2; ++round) {
    loaded->controller.CollectModelValues(loaded->devices.get(), names, types, materials);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"", L"SP 160 PVC", L"VL 110 PE", L"sp 160 pvc"}));
    EXPECT_EQ(types, (std::vector<std::wstring>{L"", L"Kum 1200"}));
    EXPECT_EQ(materials, (std::vector<std::pair<std::wstring, std::wstring>>{
                             {L"PE", L"PE"}, {L"PVC", L"PVC"}, {L"PE", L"PE100"}}));
  }
}

TEST(CollectModelValues, EqualTextsOfTwoModelsInOneSetAreCollectedOnce) {
  WsModelStore first;
  WsModelStore second;
  LwdDeviceSet devices;
  devices.addDevice(first.AddPipe(1, L"SP 160 PVC", L"SP", L"PVC", L"PVC"));
  devices.addDevice(second.AddPipe(1, L"SP 160 PVC", L"SP", L"PVC", L"PVC"));
  devices.addDevice(first.AddPointObject(kClassManhole, 2, L"-SK01", L"Kum 1200", nullptr));
  devices.addDevice(second.AddPointObject(kClassValve, 2, L"V1", L"Kum 1200", nullptr));
  std::vector<std::wstring> names, types;
  std::vector<std::pair<std::wstring, std::wstring>> materials;
  LmWsSosiExportUI().CollectModelValues(&devices, names, types, materials);
  EXPECT_EQ(names, std::vector<std::wstring>{L"SP 160 PVC"});
  EXPECT_EQ(types, std::vector<std::wstring>{L"Kum 1200"});
  EXPECT_EQ(materials, (std::vector<std::pair<std::wstring, std::wstring>>{{L"PVC", L"PVC"}}));
}
