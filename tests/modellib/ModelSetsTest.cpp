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

TEST(LmWSMapper, RefusesMissingSetAndReservedArgument) {
  auto store = std::make_shared<WsModelStore>();
  store->AddTopologyObject(0x3b7012a400f1, 1);
  GmiGeodataSet set(store, 1);
  LwdDeviceSet* devices = reinterpret_cast<LwdDeviceSet*>(&set);  // anything not null on entry
  LwtTrenchSectionSet* sections = nullptr;
  LwtTrenchConnectionPointSet* points = nullptr;
  LwtTrenchTopologySet* topology = nullptr;
  LwsSurfaceDescriptionSet* surfaces = nullptr;
  LwcNodePointObjectLinkSet* nodeLinks = nullptr;
  LwcTrSectionDevSegmentLinkSet* sectionLinks = nullptr;
  EXPECT_FALSE(LmWSMapper::MapToWSModel(nullptr, devices, sections, points, topology, surfaces, nodeLinks,
                                        sectionLinks, 0));
  EXPECT_EQ(devices, nullptr);
  EXPECT_FALSE(
      LmWSMapper::MapToWSModel(&set, devices, sections, points, topology, surfaces, nodeLinks, sectionLinks, 1));
  EXPECT_EQ(devices, nullptr);

  LmWSModelSets sets;
  ASSERT_TRUE(sets.Map(&set));
  ASSERT_NE(sets.topology, nullptr);
  EXPECT_EQ(sets.topology->numTopologyObjects(), 1);
  EXPECT_EQ(sets.devices->numDevices(), 0);
}
