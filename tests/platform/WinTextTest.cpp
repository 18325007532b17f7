#include <gtest/gtest.h>

#include "WinText.h"

using platform::FormatWide;

TEST(WinText, FormatWideCutsAtTheBuffer) {
  const std::wstring longName(3000, L'x');
  const std::wstring text = FormatWide(1024, L"Can not open %s\n\nAcces is denied", longName.c_str());
  EXPECT_EQ(text.size(), 1023u);
  EXPECT_EQ(text.substr(0, 13), L"Can not open ");
}
