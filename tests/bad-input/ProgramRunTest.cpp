// The runner must see a hang and a crash for what they are, or the corpus
// would pass over them.

#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <csignal>

#include "TempDir.h"

namespace {

RunOutcome RunShell(const std::string& script, int timeoutSeconds = 10) {
  static TempDir dir;
  RunRequest request;
  request.program = "/bin/sh";
  request.args = {"-c", script};
  request.folder = dir.Path();
  request.outputFolder = dir.Path();
  request.env = {{"LMWS_APPATH", "/given"}};
  request.timeoutSeconds = timeoutSeconds;
  return RunInFolder(request);
}

}  // namespace

TEST(ProgramRun, StopsARunThatOutlivesItsTime) {
  const RunOutcome run = RunShell("sleep 30", 1);
  EXPECT_TRUE(run.timedOut);
  EXPECT_EQ(run.exitCode, -1);
  EXPECT_LT(run.seconds, 10);
}

TEST(ProgramRun, TellsTheSignalThatEndedARun) {
  const RunOutcome run = RunShell("kill -SEGV $$");
  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(run.signal, SIGSEGV);
  EXPECT_EQ(run.exitCode, -1);
}

TEST(ProgramRun, CollectsOutputExitCodeAndOnlyTheGivenSuiteVariables) {
  ::setenv("LMWS_CURRENTCONFIG", "Leaked", 1);
  const RunOutcome run = RunShell("echo out:$LMWS_APPATH:$LMWS_CURRENTCONFIG; echo err >&2; exit 3");
  ::unsetenv("LMWS_CURRENTCONFIG");
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_EQ(run.out, "out:/given:\n");
  EXPECT_EQ(run.err, "err\n");
  EXPECT_GT(run.peakMemoryKb, 0);
}
