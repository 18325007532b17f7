#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Utf8TextIndex.h"

TEST(Utf8TextIndex, AValueSetForSomeBytesIsFoundByThoseBytesAlone) {
  Utf8TextIndex index;
  const std::wstring kum = L"Kum 1200 betong";
  const std::wstring empty;
  EXPECT_EQ(index["Kum 1200 betong"], nullptr);
  index["Kum 1200 betong"] = &kum;
  index[""] = &empty;
  EXPECT_EQ(index[std::string("Kum 1200 betong")], &kum);
  EXPECT_EQ(index["Kum 1200"], nullptr);
  EXPECT_EQ(index["Kum 1200 betong "], nullptr);
  EXPECT_EQ(index[""], &empty);
  EXPECT_EQ(index.Size(), 4u);
}

TEST(Utf8TextIndex, ValuesSurviveTheIndexGrowing) {
  Utf8TextIndex index;
  std::vector<std::wstring> texts(40000);
  for (int i = 0; i < 40000; ++i) index["Grøft " + std::to_string(i)] = &texts[i];
  for (int i = 0; i < 40000; ++i) ASSERT_EQ(index["Grøft " + std::to_string(i)], &texts[i]) << i;
  EXPECT_EQ(index.Size(), 40000u);
}
