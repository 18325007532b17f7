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
