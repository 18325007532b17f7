// Model file bytes through what an export run does with a model once its
// dialogs are confirmed: loading and mapping, the dialog's model values,
// assembly of every trench path, the overview step with the sample files and
// the SOSI file with the shipped settings, written to memory. The input's
// size picks the variant.

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::wstring> overview = [] {
    fuzz::QuietHost();
    return std::vector<std::wstring>{fuzz::DataFile("samples/Kumoversikt.csv"),
                                     fuzz::DataFile("samples/Ledningsoversikt.csv")};
  }();
  fuzz::AssembledNetwork network;
  if (!network.Load(fuzz::InputFile(data, size))) return 0;
  network.ReadOverview(overview);
  SOSIMapperData settings = fuzz::DefaultSettings();
  settings.FileFormat = static_cast<int>(size % 3);
  fuzz::ExportToMemory(network, settings);
  return 0;
}
