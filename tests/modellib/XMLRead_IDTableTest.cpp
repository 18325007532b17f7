#include <gtest/gtest.h>

#include "XMLRead_IDTable.h"

using Kind = XMLRead_IDTable::Kind;

TEST(XMLRead_IDTable, EveryIdOfATownIsFoundWithWhatItNamesAndASecondDefinitionIsRefused) {
  XMLRead_IDTable ids;
  std::vector<int> objects(30000);
  // Consecutive ids and scattered ones, as files have them.
  const auto id = [](int i) { return i % 2 == 0 ? i + 1 : 1000003 * (i % 1000) + i; };
  for (int i = 0; i < 30000; ++i) {
    ASSERT_TRUE(ids.addId(id(i), i % 3 == 0 ? Kind::Pipe : Kind::PointObject, &objects[i], 10u * i));
  }
  EXPECT_FALSE(ids.addId(id(123), Kind::TrenchNode, nullptr, 7));
  for (int i = 0; i < 30000; i += 7) {
    const XMLRead_IDTable::Entry* entry = ids.findId(id(i));
    ASSERT_NE(entry, nullptr) << i;
    EXPECT_EQ(entry->object, &objects[i]);
    EXPECT_EQ(entry->kind, i % 3 == 0 ? Kind::Pipe : Kind::PointObject);
    EXPECT_EQ(entry->offset, 10u * i);
  }
  EXPECT_EQ(ids.findId(2), nullptr);
  EXPECT_EQ(ids.findId(-5), nullptr);
  ids.clearTable();
  EXPECT_EQ(ids.findId(id(0)), nullptr);
  EXPECT_TRUE(ids.addId(id(0), Kind::Device, nullptr, 0));
}

TEST(XMLRead_IDTable, IdsInStridesThatShareSlotsAreAllKeptApart) {
  XMLRead_IDTable ids;
  std::vector<int> objects(20000);
  // Multiples of 8 and of 4096 all start their search at the same place in a run.
  const auto id = [](int i) { return i < 10000 ? 8 * (i + 1) : 4096 * (i - 9999) + 3; };
  for (int i = 0; i < 20000; ++i) ASSERT_TRUE(ids.addId(id(i), Kind::Segment, &objects[i], i)) << i;
  for (int i = 0; i < 20000; ++i) {
    const XMLRead_IDTable::Entry* entry = ids.findId(id(i));
    ASSERT_NE(entry, nullptr) << i;
    EXPECT_EQ(entry->object, &objects[i]);
  }
  EXPECT_EQ(ids.findId(12), nullptr);
  EXPECT_EQ(ids.findId(4096 + 4), nullptr);
}

TEST(XMLRead_IDTable, IdsThatAreNotPositiveAreRefused) {
  XMLRead_IDTable ids;
  EXPECT_FALSE(ids.addId(0, Kind::Device, nullptr, 0));
  EXPECT_FALSE(ids.addId(-7, Kind::Device, nullptr, 0));
  EXPECT_EQ(ids.findId(0), nullptr);
  EXPECT_EQ(ids.findId(-7), nullptr);
}
