#include <gtest/gtest.h>

#include "HostConsole.h"

TEST(HostConsole, CaptureSeesCommandLineAndAlerts) {
  platform::HostCapture capture;
  acutPrintf(L"\n%d composites read.", 3);
  acutPrintf(L"\nRead %s failed.", L"Grøft.xml");
  acedAlert(L"Can not open x\n\nAcces is denied");
  EXPECT_EQ(capture.CommandLine(), L"\n3 composites read.\nRead Grøft.xml failed.");
  EXPECT_EQ(capture.Alerts(), L"Can not open x\n\nAcces is denied");
  EXPECT_EQ(capture.AlertCount(), 1);
}
