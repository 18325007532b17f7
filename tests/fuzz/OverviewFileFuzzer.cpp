// Overview CSV bytes through the overview step of a Gemini export of the
// sample network: the input is read first, then the sample manhole and pipe
// files, so that its tags win and meet the sample's. The tags and runs then
// go through the SOSI writer with the shipped settings, in memory (its
// report on unmapped model values is the same for every input).

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::AssembledNetwork& network = []() -> fuzz::AssembledNetwork& {
    fuzz::QuietHost();
    return fuzz::SampleNetwork();
  }();
  network.ReadOverview({fuzz::InputFile(data, size, "input.csv"), fuzz::DataFile("samples/Kumoversikt.csv"),
                        fuzz::DataFile("samples/Ledningsoversikt.csv")});
  SOSIMapperData settings = fuzz::DefaultSettings();
  settings.FileFormat = 2;
  fuzz::ExportToMemory(network, settings, false);
  return 0;
}
