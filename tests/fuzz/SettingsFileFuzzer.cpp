// Settings file bytes through the settings reader, and a record it accepts
// through the SOSI writer over the sample network with its overview files.

#include "FuzzSupport.h"
#include "SOSIMapperDataReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::AssembledNetwork& network = []() -> const fuzz::AssembledNetwork& {
    fuzz::QuietHost();
    fuzz::AssembledNetwork& sample = fuzz::SampleNetwork();
    sample.ReadOverview({fuzz::DataFile("samples/Kumoversikt.csv"), fuzz::DataFile("samples/Ledningsoversikt.csv")});
    return sample;
  }();
  const std::unique_ptr<SOSIMapperData> settings = LoadSOSIMapperData(fuzz::InputFile(data, size));
  if (settings) fuzz::ExportToMemory(network, *settings);
  return 0;
}
