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

TEST(FlatHashIndex, AbsentKeysAreNotFoundAlsoWhenEmpty) {
  Texts texts;
  EXPECT_EQ(texts.Find(L"SK01", 1), FlatHashIndex::kNone);
  texts.Add(L"SK01", 1);
  EXPECT_EQ(texts.Find(L"SK02", 2), FlatHashIndex::kNone);
  EXPECT_EQ(texts.Find(L"SK01", 1), 0u);
}

TEST(FlatHashIndex, EntriesWithTheSameHashAreToldApart) {
  Texts texts;
  for (int i = 0; i < 40; ++i) texts.Add(L"SK" + std::to_wstring(i), 7);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(texts.Find(L"SK" + std::to_wstring(i), 7), static_cast<std::uint32_t>(i));
  EXPECT_EQ(texts.Find(L"SK40", 7), FlatHashIndex::kNone);
}

TEST(FlatHashIndex, GrowingKeepsEveryEntry) {
  Texts texts;
  texts.index.Reserve(3);
  for (int i = 0; i < 5000; ++i) {
    const std::wstring text = L"+P1=320.01-SK" + std::to_wstring(i);
    texts.Add(text, flat_hash::OfText(text));
  }
  EXPECT_EQ(texts.index.Size(), 5000u);
  for (int i = 0; i < 5000; ++i) {
    const std::wstring text = L"+P1=320.01-SK" + std::to_wstring(i);
    ASSERT_EQ(texts.Find(text, flat_hash::OfText(text)), static_cast<std::uint32_t>(i));
  }
}

TEST(FlatHashIndex, TextHashesDependOnEveryCharacterAndTheLength) {
  using flat_hash::OfText;
  EXPECT_NE(OfText(L"SK01"), OfText(L"SK02"));
  EXPECT_NE(OfText(L"SK010"), OfText(L"SK011"));  // the odd last character
  EXPECT_NE(OfText(L"SK0"), OfText(std::wstring_view(L"SK0\0", 4)));
  EXPECT_EQ(OfText(L"SK01"), OfText(std::wstring(L"SK01")));
  EXPECT_NE(flat_hash::OfPair(1, 2), flat_hash::OfPair(2, 1));
}

TEST(FlatMap, ANewKeyStartsWithTheInitialValueAndKeepsWhatIsSet) {
  const int objects[3] = {};
  FlatMap<const int*, int> map;
  EXPECT_EQ(map.Find(&objects[0]), nullptr);
  map.At(&objects[0], 5) += 1;
  map.At(&objects[1], 9);
  EXPECT_EQ(map.At(&objects[0], 100), 6);  // not made again
  ASSERT_NE(map.Find(&objects[1]), nullptr);
  EXPECT_EQ(*map.Find(&objects[1]), 9);
  EXPECT_EQ(map.Find(&objects[2]), nullptr);
}

TEST(FlatMap, ManyKeysAreKeptThroughGrowing) {
  std::vector<int> objects(3000);
  FlatMap<const int*, std::size_t> map;
  for (std::size_t i = 0; i < objects.size(); ++i) map.At(&objects[i], i);
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const std::size_t* value = map.Find(&objects[i]);
    ASSERT_NE(value, nullptr);
    ASSERT_EQ(*value, i);
  }
}

TEST(FlatMap, NumbersAreKeysToo) {
  FlatMap<int, int> map;
  for (int id = -1000; id < 1000; id += 3) map.At(id, id);
  for (int id = -1000; id < 1000; ++id) EXPECT_EQ(map.Find(id) != nullptr, (id + 1000) % 3 == 0) << id;
}
