#include "FlatHashIndex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Entries kept the way the index's users keep them: in a vector of their own.
struct Texts {
  std::vector<std::wstring> entries;
  FlatHashIndex index;

  std::uint32_t Find(const std::wstring& text, std::uint64_t hash) const {
    return index.Find(hash, [&](std::uint32_t entry) { return entries[entry] == text; });
  }
  void Add(const std::wstring& text, std::uint64_t hash) {
    index.Insert(hash, static_cast<std::uint32_t>(entries.size()));
    entries.push_back(text);
  }
};

}  // namespace

TEST(FlatHashIndex, EntriesWithTheSameHashAreToldApart) {
  Texts texts;
  EXPECT_EQ(texts.Find(L"SK0", 7), FlatHashIndex::kNone);
  for (int i = 0; i < 40; ++i) texts.Add(L"SK" + std::to_wstring(i), 7);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(texts.Find(L"SK" + std::to_wstring(i), 7), static_cast<std::uint32_t>(i));
  EXPECT_EQ(texts.Find(L"SK40", 7), FlatHashIndex::kNone);
}

TEST(FlatHashIndex, GrowingKeepsEveryEntry) {
  Texts texts;
  texts.index.Reserve(3);
  const auto text = [](int i) { return L"+P1=320.01-SK" + std::to_wstring(i); };
  const auto hash = [](int i) { return flat_hash::OfBytes("+P1=320.01-SK" + std::to_string(i)); };
  for (int i = 0; i < 5000; ++i) texts.Add(text(i), hash(i));
  EXPECT_EQ(texts.index.Size(), 5000u);
  for (int i = 0; i < 5000; ++i) {
    ASSERT_EQ(texts.Find(text(i), hash(i)), static_cast<std::uint32_t>(i));
  }
}

TEST(FlatMap, KeysKeepTheirValuesThroughGrowing) {
  FlatMap<int, int> map;
  for (int id = -3000; id < 3000; id += 3) map.At(id, id) += 1;
  EXPECT_EQ(map.At(0, 100), 1);  // not made again
  for (int id = -3000; id < 3000; ++id) {
    const int* value = map.Find(id);
    ASSERT_EQ(value != nullptr, id % 3 == 0) << id;
    if (value != nullptr) {
      ASSERT_EQ(*value, id + 1);
    }
  }
}

TEST(FlatSet, KeepsEachKeyOnceInTheOrderFirstMet) {
  FlatSet<int> set;
  std::vector<int> expected;
  for (int round = 0; round < 2; ++round) {
    for (int key = 999; key >= 0; key -= 3) {
      EXPECT_EQ(set.Insert(key), round == 0);
      if (round == 0) expected.push_back(key);
    }
  }
  EXPECT_EQ(set.Keys(), expected);
}
