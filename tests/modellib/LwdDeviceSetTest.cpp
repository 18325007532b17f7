#include <gtest/gtest.h>

#include "LmWSModel.h"

namespace {

// A model of three point objects and a pipe with one segment, mapped to its sets.
struct SmallModel {
  SmallModel() {
    auto store = std::make_shared<WsModelStore>();
    const GmiPosition here(1.0, 2.0);
    LwdDevicePointObject* start = store->AddPointObject(kClassManhole, 1, L"-SK01", L"Kum", &here);
    LwdDevicePointObject* end = store->AddPointObject(kClassManhole, 2, L"-SK02", L"Kum", &here);
    c = store->AddPointObject(kClassValve, 3, L"V1", L"Ventil", nullptr);
    LwdPipe* pipe = store->AddPipe(4, L"SP 160 PVC", L"SP", L"PVC", L"PVC");
    LwdDeviceSegment* added = store->AddSegment(pipe, 5, {{0, 0, 0, false}, {1, 1, 0, false}});
    store->SetSegmentEnds(added, start, end);
    a = start;
    b = end;
    segment = added;
    const GmiGeodataSet set(store, 4);
    sets.Map(&set);
  }

  LmWSModelSets sets;
  const std::unique_ptr<LwdDeviceSet>& devices = sets.devices;
  const LwdDevicePointObject* a;
  const LwdDevicePointObject* b;
  const LwdDevicePointObject* c;
  const LwdDeviceSegment* segment;
};

}  // namespace

TEST(LwdDeviceSet, FindDeviceSeesDevicesAddedBeforeAndAfterALookupAtTheirFirstEntry) {
  SmallModel model;
  LwdDeviceSet exported;
  EXPECT_LT(exported.findDevice(model.a), 0);
  EXPECT_EQ(exported.addDevice(model.c), 0);
  EXPECT_EQ(exported.addDevice(model.a), 1);
  EXPECT_EQ(exported.findDevice(model.a), 1);
  EXPECT_EQ(exported.addDevice(model.segment), 2);
  EXPECT_EQ(exported.addDevice(model.a), 3);
  EXPECT_EQ(exported.findDevice(model.a), 1);
  EXPECT_EQ(exported.findDevice(model.segment), 2);
  EXPECT_LT(exported.findDevice(model.b), 0);
  EXPECT_LT(exported.findDevice(nullptr), 0);
}

TEST(LwdDeviceSet, ATownOfDevicesAddedInRoundsIsFoundAtItsFirstEntries) {
  auto store = std::make_shared<WsModelStore>();
  std::vector<const LwdDevice*> devices;
  for (int id = 1; id <= 5000; ++id) devices.push_back(store->AddDevice(0x3b703fd20115, id, L"", L""));
  LwdDeviceSet exported;
  std::vector<int> firstEntry(devices.size(), -1);
  const auto add = [&](std::size_t device) {
    const int entry = exported.addDevice(devices[device]);
    if (firstEntry[device] < 0) firstEntry[device] = entry;
  };
  // Lookups between rounds of adding: the index grows and is rebuilt on the way.
  for (std::size_t added = 0; added < devices.size(); added += 700) {
    for (std::size_t i = added; i < std::min(added + 700, devices.size()); ++i) add(i);
    add(added / 2);
    for (std::size_t i = 0; i < devices.size(); i += 97) EXPECT_EQ(exported.findDevice(devices[i]), firstEntry[i]) << i;
  }
  EXPECT_EQ(exported.numDevices(), 5000 + 8);
}

TEST(LwdDeviceSet, ADeviceAddedToTheModelSetIsItsAloneAndLeavesTheModelAsItWas) {
  auto store = std::make_shared<WsModelStore>();
  const LwdDevice* valve = store->AddPointObject(kClassValve, 1, L"V1", L"Ventil", nullptr);
  const LwdDevice* hydrant = store->AddPointObject(kClassHydrant, 2, L"H1", L"Hydrant", nullptr);
  const GmiGeodataSet set(store, 2);
  LmWSModelSets first;
  LmWSModelSets second;
  ASSERT_TRUE(first.Map(&set));
  ASSERT_TRUE(second.Map(&set));
  EXPECT_EQ(first.devices->findDevice(hydrant), 1);
  EXPECT_EQ(first.devices->addDevice(valve), 2);
  EXPECT_EQ(first.devices->numDevices(), 3);
  EXPECT_EQ(first.devices->getDevice(2), valve);
  EXPECT_EQ(first.devices->findDevice(valve), 0);
  EXPECT_EQ(second.devices->numDevices(), 2);
  EXPECT_EQ(second.devices->getDevice(2), nullptr);
  EXPECT_EQ(store->Devices().size(), 2u);
}
