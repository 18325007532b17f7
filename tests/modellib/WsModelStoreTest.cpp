#include <gtest/gtest.h>

#include "LmWSModel.h"

TEST(WsModelStore, KeepsOneCopyOfEachText) {
  WsModelStore store;
  const LwdPipe* first = store.AddPipe(1, L"SP 160 PVC", L"SP", L"PVC", L"PVC");
  const LwdPipe* second = store.AddPipe(2, L"SP 160 PVC", L"SP", L"PVC", L"PVC");
  EXPECT_EQ(&first->getName(), &second->getName());
  EXPECT_EQ(&first->getMaterial(), &first->getShortMaterial());
  EXPECT_NE(&first->getName(), &first->getType());
}

TEST(WsModelStore, AnOwnTextIsACopyForOneObjectAlone) {
  WsModelStore store;
  const std::wstring* first = store.OwnText(L"-SK01");
  const std::wstring* second = store.OwnText(L"-SK01");
  EXPECT_NE(first, second);
  EXPECT_EQ(*first, L"-SK01");
  EXPECT_EQ(*second, L"-SK01");
  EXPECT_NE(store.Text(L"-SK01"), first);
  const LwdDevicePointObject* manhole = store.AddPointObject(kClassManhole, 1, first, store.Text(L"Kum"), nullptr);
  EXPECT_EQ(&manhole->getName(), first);
}

TEST(WsModelStore, LinksAreGivenOncePerSectionAndNode) {
  WsModelStore store;
  LwdPipe* pipe = store.AddPipe(1, L"SP", L"SP", L"PVC", L"PVC");
  const LwdDeviceSegment* segment = store.AddSegment(pipe, 2, {{0, 0, 0, false}, {1, 0, 0, false}});
  LwtTrenchSection* section = store.AddSection(3);
  const LwdDeviceSegment* segments[] = {segment, segment};
  EXPECT_TRUE(store.LinkSegments(section, segments));
  EXPECT_FALSE(store.LinkSegments(section, std::span(segments, 1)));
  EXPECT_EQ(store.SectionLinks().Count(section), 2);

  LwdDevicePointObject* valve = store.AddPointObject(kClassValve, 4, L"V1", L"Ventil", nullptr);
  LwtTrenchNode* first = store.AddTrenchNode(5, nullptr);
  LwtTrenchNode* second = store.AddTrenchNode(8, nullptr);
  LwdDevicePointObject* const objects[] = {valve};
  EXPECT_TRUE(store.LinkPointObjects(first, objects));
  EXPECT_TRUE(store.LinkPointObjects(second, objects));
  EXPECT_FALSE(store.LinkPointObjects(second, objects));
  EXPECT_EQ(store.NodeLinkCount(valve), 2);

  LwtTrenchSection* empty = store.AddSection(6);
  EXPECT_TRUE(store.LinkSegments(empty, {}));
  EXPECT_FALSE(store.LinkSegments(empty, std::span(segments, 1)));
  EXPECT_EQ(store.SectionLinks().Count(empty), 0);
  EXPECT_EQ(store.SectionLinks().Get(store.AddSection(7), 0), nullptr);
  EXPECT_EQ(store.SectionLinks().Count(nullptr), 0);
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
