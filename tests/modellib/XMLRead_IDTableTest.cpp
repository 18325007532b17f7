#include <gtest/gtest.h>

#include "XMLRead_IDTable.h"

using Kind = XMLRead_IDTable::Kind;

TEST(XMLRead_IDTable, IdsThatShareSlotsAreKeptApartAndDefinedOnce) {
  XMLRead_IDTable ids;
  std::vector<int> objects(20000);
  // Multiples of 8 and of 4096 all start their search at the same place in a run.
  const auto id = [](int i) { return i < 10000 ? 8 * (i + 1) : 4096 * (i - 9999) + 3; };
  for (int i = 0; i < 20000; ++i) ASSERT_TRUE(ids.addId(id(i), Kind::Segment, &objects[i], 10u * i)) << i;
  EXPECT_FALSE(ids.addId(id(123), Kind::TrenchNode, nullptr, 7));
  EXPECT_FALSE(ids.addId(0, Kind::Device, nullptr, 0));
  EXPECT_FALSE(ids.addId(-7, Kind::Device, nullptr, 0));
  for (int i = 0; i < 20000; ++i) {
    const XMLRead_IDTable::Entry* entry = ids.findId(id(i));
    ASSERT_NE(entry, nullptr) << i;
    EXPECT_EQ(entry->object, &objects[i]);
    EXPECT_EQ(entry->offset, 10u * i);
  }
  EXPECT_EQ(ids.findId(12), nullptr);
  EXPECT_EQ(ids.findId(-7), nullptr);
  ids.clearTable();
  EXPECT_EQ(ids.findId(id(0)), nullptr);
}
