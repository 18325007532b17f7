// The one test main: every test binary gets an offscreen QApplication, so
// dialog tests and plain tests run alike without a display.
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>
#include <cstdlib>

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  // Run under a locale whose decimal mark is a comma, when the machine has one,
  // so that number formatting that depends on the locale shows up in tests.
  if (std::setlocale(LC_ALL, "nb_NO.UTF-8") == nullptr) std::setlocale(LC_ALL, "C.UTF-8");
  return RUN_ALL_TESTS();
}
