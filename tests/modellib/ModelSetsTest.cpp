#include <gtest/gtest.h>

#include "LmWSModel.h"

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
