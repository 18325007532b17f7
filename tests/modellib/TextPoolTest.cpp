#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TextPool.h"

TEST(TextPool, EqualTextsShareOneCopyThatStaysInPlaceAsThePoolGrows) {
  TextPool pool;
  EXPECT_NE(pool.Intern(L"kum"), pool.Intern(L"Kum"));
  std::vector<const std::wstring*> first;
  for (int i = 0; i < 50000; ++i) first.push_back(pool.Intern(L"-SK" + std::to_wstring(i)));
  for (int i = 0; i < 50000; ++i) {
    ASSERT_EQ(pool.Intern(L"-SK" + std::to_wstring(i)), first[i]) << i;
    ASSERT_EQ(*first[i], L"-SK" + std::to_wstring(i));
  }
  EXPECT_EQ(pool.Size(), 50002u);
}
