// What the writer makes of a target it cannot replace and of a failure at
// each file system call of its atomic write: the exception or false, the
// outcome with the errno of the failing call, and an earlier file unchanged.
#include <gtest/gtest.h>
#include <sys/stat.h>

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

struct Written {
  Result result = Result::Failed;
  std::vector<platform::WriteOutcome> outcomes;
};

// The writer's small test network in the Gemini layout.
class SampleExport {
 public:
  Written Write(const std::filesystem::path& file) {
    const platform::HostCapture quiet;
    Written run;
    const auto previous =
        platform::SetWriteOutcomeSink([&](const platform::WriteOutcome& outcome) { run.outcomes.push_back(outcome); });
    LmWsSosiMapper mapper;
    mapper.SetSOSIFileFormat(LmWsSosiMapper::eGemini);
    try {
      const bool written = mapper.MapToSosi(
          platform::FromUtf8(file.string()).c_str(), &net_.devices, nullptr, {}, &tables_.pipeTypes,
          nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
          L"22: EUREF89 UTM32", L"EUREF89", L"UTM", L"96 5 0", L"Vågå kommune", L"Produsent AS", L"Kart 7",
          L"O: Overføringsnett", L"P: Prosjektert", L"2024", L"P: Prosjektert", L"P: Prosjektert",
          L"11: Totalstasjon", L"5: GPS");
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
  TestNetwork net_;
  TestTables tables_;
};

void ExpectOutcome(const Written& run, const std::filesystem::path& file, int error) {
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
    const Written run = sample.Write(counting.File("nett.sos"));
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
    const Written run = sample.Write(target);
    EXPECT_EQ(run.result, expected);
    EXPECT_TRUE(fault.Fired());
    ExpectOutcome(run, target, step.error);
    EXPECT_EQ(ReadBytes(target), kEarlierSosiFile);
    EXPECT_EQ(TemporaryFiles(dir.Path()), std::vector<std::string>{});
  }
}

INSTANTIATE_TEST_SUITE_P(EveryStep, MapToSosiWriteFault, ::testing::ValuesIn(kWriteSteps),
                         [](const auto& info) { return std::string(info.param.call); });

TEST(MapToSosiOpening, ATargetThatCannotBeReplacedFailsAtOnceAndSurvives) {
  SampleExport sample;
  const struct {
    const char* what;
    const char* name;
    bool folder;    // the target is a folder
    bool readOnly;  // the target is an earlier file, made read-only
    int error;
  } cases[] = {
      {"a folder", "nett.sos", true, false, EISDIR},
      {"a missing folder", "missing/nett.sos", false, false, ENOENT},
      {"a read-only file", "nett.sos", false, true, EACCES},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TempDir dir;
    const auto target = dir.File(c.name);
    if (c.folder) std::filesystem::create_directory(target);
    if (c.readOnly) ::chmod(dir.Write(c.name, kEarlierSosiFile).c_str(), 0444);

    const Written run = sample.Write(target);
    EXPECT_EQ(run.result, Result::NotOpened);
    ExpectOutcome(run, target, c.error);
    EXPECT_EQ(std::filesystem::is_directory(target), c.folder);
    if (c.readOnly) {
      EXPECT_EQ(ReadBytes(target), kEarlierSosiFile);
    }
    EXPECT_EQ(TemporaryFiles(dir.Path()), std::vector<std::string>{});
  }
}
