#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TextPool.h"

TEST(TextPool, EqualTextsShareOneCopyAndOthersGetTheirOwn) {
  TextPool pool;
  const std::wstring* kum = pool.Intern(L"Kum 1200 betong");
  EXPECT_EQ(pool.Intern(std::wstring(L"Kum 1200 betong")), kum);
  EXPECT_NE(pool.Intern(L"kum 1200 betong"), kum);
  EXPECT_NE(pool.Intern(L"Kum 1200 betong "), kum);
  EXPECT_EQ(*kum, L"Kum 1200 betong");
  const std::wstring* empty = pool.Intern(L"");
  EXPECT_TRUE(empty->empty());
  EXPECT_EQ(pool.Intern(std::wstring_view()), empty);
  EXPECT_EQ(pool.Size(), 4u);
}

TEST(TextPool, CopiesStayInPlaceAndAreFoundAgainAfterThePoolGrows) {
  TextPool pool;
  std::vector<const std::wstring*> first;
  for (int i = 0; i < 50000; ++i) first.push_back(pool.Intern(L"-SK" + std::to_wstring(i)));
  for (int i = 0; i < 50000; ++i) {
    ASSERT_EQ(pool.Intern(L"-SK" + std::to_wstring(i)), first[i]) << i;
    ASSERT_EQ(*first[i], L"-SK" + std::to_wstring(i));
  }
  EXPECT_EQ(pool.Size(), 50000u);
}
