// What the writer makes of a failure at each file system call of its atomic
// write: the exception or false, the outcome with the errno of the failing
// call, and an earlier file unchanged.
#include <gtest/gtest.h>

#include <cerrno>
#include <memory>

#include "CSosiExportException.h"
#include "HostConsole.h"
#include "LmWsSosiMapper.h"
#include "TempDir.h"
#include "TestNetwork.h"
#include "WideText.h"
#include "WriteFaults.h"
#include "WriteOutcome.h"

namespace {

const std::string kEarlierSosiFile = "OLD SOSI FILE\n";

enum class Result { Written, Failed, NotOpened };

struct Attempt {
  Result result = Result::Failed;
  std::vector<platform::WriteOutcome> outcomes;
};

// The writer's small test network in the Gemini layout.
class SampleExport {
 public:
  Attempt Write(const std::filesystem::path& file) {
    const platform::HostCapture quiet;
    Attempt run;
    const auto previous =
        platform::SetWriteOutcomeSink([&](const platform::WriteOutcome& outcome) { run.outcomes.push_back(outcome); });
    try {
      const bool written = call_.Run(file, LmWsSosiMapper::eGemini);
      run.result = written ? Result::Written : Result::Failed;
    } catch (CSosiExportException* e) {
      const std::unique_ptr<CSosiExportException> owned(e);
      EXPECT_EQ(platform::ToUtf8(owned->getFileName()), file.string());
      run.result = Result::NotOpened;
    }
    platform::SetWriteOutcomeSink(previous);
    return run;
  }

 private:
  MapperCall call_;
};

void ExpectOutcome(const Attempt& run, const std::filesystem::path& file, int error) {
  ASSERT_EQ(run.outcomes.size(), 1u);
  EXPECT_EQ(platform::ToUtf8(run.outcomes[0].path), file.string());
  EXPECT_EQ(run.outcomes[0].written, error == 0);
  EXPECT_EQ(run.outcomes[0].error, error);
}

class MapToSosiWriteFault : public ::testing::TestWithParam<WriteStep> {};

}  // namespace

TEST_P(MapToSosiWriteFault, EveryFailingCallFailsTheExportAndKeepsThePreviousFile) {
  SampleExport sample;
  const WriteStep step = GetParam();
  int calls = 0;
  {
    const TempDir counting;
    const WriteFault counter(step);
    const Attempt run = sample.Write(counting.File("nett.sos"));
    EXPECT_EQ(run.result, Result::Written);
    ExpectOutcome(run, counting.File("nett.sos"), 0);
    calls = counter.Calls();
  }
  ASSERT_GT(calls, 0) << step.call << " is not wrapped";

  // Creating or opening the temporary file is opening the output.
  const std::string call = step.call;
  const Result expected = call == "mkstemp" || call == "fdopen" ? Result::NotOpened : Result::Failed;
  const TempDir dir;
  const auto target = dir.Write("nett.sos", kEarlierSosiFile);
  for (int failAt = 0; failAt < calls; ++failAt) {
    SCOPED_TRACE(call + " call " + std::to_string(failAt));
    const WriteFault fault(step, failAt);
    const Attempt run = sample.Write(target);
    EXPECT_EQ(run.result, expected);
    EXPECT_TRUE(fault.Fired());
    ExpectOutcome(run, target, step.error);
    EXPECT_EQ(ReadBytes(target), kEarlierSosiFile);
    EXPECT_EQ(TemporaryFiles(dir.Path()), std::vector<std::string>{});
  }
}

INSTANTIATE_TEST_SUITE_P(EveryStep, MapToSosiWriteFault, ::testing::ValuesIn(kWriteSteps),
                         [](const auto& info) { return std::string(info.param.call); });
