#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Utf8TextIndex.h"

TEST(Utf8TextIndex, AValueIsFoundByItsExactBytesAlsoAfterGrowing) {
  Utf8TextIndex index;
  std::vector<std::wstring> texts(40000);
  EXPECT_EQ(index["Grøft 1"], nullptr);
  for (int i = 0; i < 40000; ++i) index["Grøft " + std::to_string(i)] = &texts[i];
  for (int i = 0; i < 40000; ++i) ASSERT_EQ(index["Grøft " + std::to_string(i)], &texts[i]) << i;
  EXPECT_EQ(index["Grøft 1 "], nullptr);
  EXPECT_EQ(index.Size(), 40001u);
}
