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

const std::string kSeconds = "([0-9]+\\.[0-9]{3})";

struct Times {
  double wall = -1;
  double cpu = -1;
};

Times TimesOf(const std::string& text, const std::string& stage) {
  std::smatch match;
  if (!std::regex_search(text, match,
                         std::regex("timing: " + stage + " " + kSeconds + " s, cpu " + kSeconds + " s, peak [0-9]+ MB\n"))) {
    return {};
  }
  return {std::stod(match[1]), std::stod(match[2])};
}

}  // namespace

TEST(StageTimings, PrintsOneLinePerStageInTheOrderFirstMet) {
  const std::string text = Printed(true, [](platform::StageTimings& stages) {
    stages.Begin("load");
    stages.Begin("dialog set-up");
    stages.Begin("write");
  });
  const std::string times = " " + kSeconds + " s, cpu " + kSeconds + " s, peak [1-9][0-9]* MB\n";
  EXPECT_TRUE(std::regex_match(
      text, std::regex("timing: load" + times + "timing: dialog set-up" + times + "timing: write" + times)))
      << text;
}

TEST(StageTimings, AStageMetAgainAddsToItsTotalAndWaitingIsNoProcessorTime) {
  using namespace std::chrono_literals;
  const std::string text = Printed(true, [](platform::StageTimings& stages) {
    stages.Begin("waiting");
    std::this_thread::sleep_for(40ms);
    stages.Begin("working");
    const auto until = std::chrono::steady_clock::now() + 80ms;
    while (std::chrono::steady_clock::now() < until) {
    }
    stages.Begin("waiting");
    std::this_thread::sleep_for(40ms);
  });
  EXPECT_EQ(text.find("waiting"), text.rfind("waiting")) << text;
  EXPECT_GE(TimesOf(text, "waiting").wall, 0.079) << text;
  EXPECT_LT(TimesOf(text, "waiting").cpu, 0.040) << text;
  EXPECT_GT(TimesOf(text, "working").cpu, 0.010) << text;
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
