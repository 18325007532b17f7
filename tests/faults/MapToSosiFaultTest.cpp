#include <gtest/gtest.h>

#include <memory>

#include "CSosiExportException.h"
#include "HostConsole.h"
#include "LmWsSosiMapper.h"
#include "LoadedModel.h"
#include "TempDir.h"
#include "WideText.h"
#include "WriteFaults.h"

namespace {

const std::string kEarlierSosiFile = "OLD SOSI FILE\n";

enum class Outcome { Written, Failed, NotOpened };

// The first pipe of the sample network with the point objects at its
// segments' ends, in the Gemini layout, with its pipe type mapped.
class SampleExport {
 public:
  SampleExport() : model_(LoadModel(DataPath("samples/Ledningsnett_Eksempel.xml"))) {
    if (!model_.Loaded()) return;
    for (int i = 0; i < model_.devices->numDevices(); ++i) {
      const auto* pipe = dynamic_cast<const LwdPipe*>(model_.devices->getDevice(i));
      if (pipe == nullptr) continue;
      for (int s = 0; s < pipe->numDeviceSegments(); ++s) {
        const LwdDeviceSegment* segment = pipe->getDeviceSegment(s);
        for (const LwdDevice* device : {static_cast<const LwdDevice*>(segment),
                                        static_cast<const LwdDevice*>(segment->getStartDevicePointObject()),
                                        static_cast<const LwdDevice*>(segment->getEndDevicePointObject())}) {
          if (device != nullptr && devices_.findDevice(device) < 0) devices_.addDevice(device);
        }
      }
      pipeTypes_[pipe->getName()] = CWsFeature(L"SP", L"Spillvannsledning", 1);
      return;
    }
  }

  bool Loaded() const { return devices_.numDevices() > 0; }

  Outcome Run(const std::filesystem::path& file) {
    const platform::HostCapture quiet;
    LmWsSosiMapper mapper;
    mapper.SetSOSIFileFormat(LmWsSosiMapper::eGemini);
    try {
      const bool written = mapper.MapToSosi(
          platform::FromUtf8(file.string()).c_str(), &devices_, model_.nodeLinks.get(), {}, &pipeTypes_,
          nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
          L"22: EUREF89 UTM32", L"EUREF89", L"UTM", L"96 5 0", L"Vågå kommune", L"Produsent AS", L"Kart 7",
          L"O: Overføringsnett", L"P: Prosjektert", L"2024", L"P: Prosjektert", L"P: Prosjektert",
          L"11: Totalstasjon", L"5: GPS");
      return written ? Outcome::Written : Outcome::Failed;
    } catch (CSosiExportException* e) {
      const std::unique_ptr<CSosiExportException> owned(e);
      EXPECT_EQ(platform::ToUtf8(owned->getFileName()), file.string());
      return Outcome::NotOpened;
    }
  }

 private:
  LoadedModel model_;
  LwdDeviceSet devices_;
  FeatureTable pipeTypes_;
};

// Creating or opening the temporary file is opening the output; the later
// steps fail the write.
Outcome ExpectedFailure(WriteStep step) {
  return step == WriteStep::Create || step == WriteStep::Open ? Outcome::NotOpened : Outcome::Failed;
}

class MapToSosiWriteFault : public ::testing::TestWithParam<WriteStep> {};

}  // namespace

TEST_P(MapToSosiWriteFault, EveryFailingCallFailsTheExportAndKeepsThePreviousFile) {
  SampleExport sample;
  ASSERT_TRUE(sample.Loaded());
  const TempDir counting;
  const int calls =
      CountCalls(GetParam(), [&] { EXPECT_EQ(sample.Run(counting.File("nett.sos")), Outcome::Written); });
  RecordProperty("failures_injected", calls);

  const TempDir dir;
  const auto target = dir.Write("nett.sos", kEarlierSosiFile);
  for (int failAt = 0; failAt < calls; ++failAt) {
    SCOPED_TRACE(CallOf(GetParam()) + " call " + std::to_string(failAt));
    const WriteFault fault(GetParam(), failAt);
    EXPECT_EQ(sample.Run(target), ExpectedFailure(GetParam()));
    EXPECT_TRUE(fault.Fired());
    EXPECT_EQ(ReadBytes(target), kEarlierSosiFile);
    EXPECT_EQ(TemporaryFiles(dir.Path()), std::vector<std::string>{});
  }
}

TEST(MapToSosiWriteFault, WithoutAFailureThePreviousFileIsReplaced) {
  SampleExport sample;
  ASSERT_TRUE(sample.Loaded());
  const TempDir dir;
  const auto target = dir.Write("nett.sos", kEarlierSosiFile);
  EXPECT_EQ(sample.Run(target), Outcome::Written);
  EXPECT_EQ(ReadBytes(target).rfind(".HODE", 0), 0u);
  EXPECT_EQ(TemporaryFiles(dir.Path()), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(EveryStep, MapToSosiWriteFault, ::testing::ValuesIn(kWriteSteps),
                         [](const auto& info) { return CallOf(info.param); });
