#include <gtest/gtest.h>

#include "SOSIMapperDataWriter.h"
#include "TempDir.h"
#include "WideText.h"
#include "WriteFaults.h"

namespace {

const std::string kEarlierSettings = "<SOSIMapperData><FileFormat>2</FileFormat></SOSIMapperData>";

SOSIMapperData SmallRecord() {
  SOSIMapperData record;
  record.FileName = L"/data/Vågå.sos";
  record.Owner = L"Vågå kommune";
  record.PipeTypes[1][L"SP 160 PVC"] = CWsFeature(L"SP", L"Spillvannsledning", 1);
  return record;
}

bool Save(const std::filesystem::path& file) {
  return SaveSOSIMapperData(SmallRecord(), platform::FromUtf8(file.string()));
}

class SaveSOSIMapperDataWriteFault : public ::testing::TestWithParam<WriteStep> {};

}  // namespace

TEST_P(SaveSOSIMapperDataWriteFault, EveryFailingCallGivesFalseAndKeepsThePreviousFile) {
  const TempDir counting;
  const int calls = CountCalls(GetParam(), [&] { EXPECT_TRUE(Save(counting.File("model.SOSIExport.cfg.xml"))); });
  RecordProperty("failures_injected", calls);

  const TempDir dir;
  const auto target = dir.Write("model.SOSIExport.cfg.xml", kEarlierSettings);
  for (int failAt = 0; failAt < calls; ++failAt) {
    SCOPED_TRACE(CallOf(GetParam()) + " call " + std::to_string(failAt));
    const WriteFault fault(GetParam(), failAt);
    EXPECT_FALSE(Save(target));
    EXPECT_TRUE(fault.Fired());
    EXPECT_EQ(ReadBytes(target), kEarlierSettings);
    EXPECT_EQ(TemporaryFiles(dir.Path()), std::vector<std::string>{});
  }
}

TEST(SaveSOSIMapperDataWriteFault, WithoutAFailureThePreviousFileIsReplaced) {
  const TempDir dir;
  const auto target = dir.Write("model.SOSIExport.cfg.xml", kEarlierSettings);
  EXPECT_TRUE(Save(target));
  EXPECT_NE(ReadBytes(target).find("Spillvannsledning"), std::string::npos);
  EXPECT_EQ(TemporaryFiles(dir.Path()), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(EveryStep, SaveSOSIMapperDataWriteFault, ::testing::ValuesIn(kWriteSteps),
                         [](const auto& info) { return CallOf(info.param); });
