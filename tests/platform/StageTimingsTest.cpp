#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdio>
#include <regex>
#include <string>
#include <thread>

#include "StageTimings.h"

namespace {

// What the timings print when they go, read back from a temporary stream.
template <typename Run>
std::string Printed(bool enabled, Run run) {
  std::FILE* out = std::tmpfile();
  {
    platform::StageTimings stages(enabled, out);
    run(stages);
  }
  std::rewind(out);
  std::string text;
  for (int c; (c = std::fgetc(out)) != EOF;) text += static_cast<char>(c);
  std::fclose(out);
  return text;
}

double SecondsOf(const std::string& text, const std::string& stage) {
  std::smatch match;
  if (!std::regex_search(text, match, std::regex("timing: " + stage + " ([0-9]+\\.[0-9]{3}) s\n"))) return -1;
  return std::stod(match[1]);
}

}  // namespace

TEST(StageTimings, PrintsOneLinePerStageInTheOrderFirstMet) {
  const std::string text = Printed(true, [](platform::StageTimings& stages) {
    stages.Begin("load");
    stages.Begin("dialog set-up");
    stages.Begin("write");
  });
  EXPECT_TRUE(std::regex_match(text, std::regex("timing: load [0-9]+\\.[0-9]{3} s\n"
                                                "timing: dialog set-up [0-9]+\\.[0-9]{3} s\n"
                                                "timing: write [0-9]+\\.[0-9]{3} s\n")))
      << text;
}

TEST(StageTimings, AStageMetAgainAddsToItsTotal) {
  using namespace std::chrono_literals;
  const std::string text = Printed(true, [](platform::StageTimings& stages) {
    stages.Begin("set-up");
    std::this_thread::sleep_for(30ms);
    stages.Begin("values");
    stages.Begin("set-up");
    std::this_thread::sleep_for(30ms);
  });
  EXPECT_GE(SecondsOf(text, "set-up"), 0.059) << text;
  EXPECT_LT(SecondsOf(text, "values"), 0.030) << text;
  EXPECT_EQ(text.find("set-up"), text.rfind("set-up")) << text;
}

TEST(StageTimings, DisabledPrintsNothing) {
  EXPECT_EQ(Printed(false, [](platform::StageTimings& stages) { stages.Begin("load"); }), "");
}

TEST(StageTimings, EnvironmentSwitchesThemOnUnlessEmptyOrZero) {
  ::setenv("SOSI_STAGE_TIMINGS_TEST", "0", 1);
  testing::internal::CaptureStderr();
  { platform::StageTimings::FromEnvironment("SOSI_STAGE_TIMINGS_TEST").Begin("off"); }
  ::setenv("SOSI_STAGE_TIMINGS_TEST", "1", 1);
  { platform::StageTimings::FromEnvironment("SOSI_STAGE_TIMINGS_TEST").Begin("on"); }
  const std::string printed = testing::internal::GetCapturedStderr();
  ::unsetenv("SOSI_STAGE_TIMINGS_TEST");
  EXPECT_EQ(printed.find("off"), std::string::npos) << printed;
  EXPECT_NE(printed.find("timing: on "), std::string::npos) << printed;
}
