// Model file bytes through the model file reader, in memory: a file it takes
// gives a model that keeps the model's own rules once mapped, and a file it
// refuses gives a problem on one of the file's lines.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "GmiGeodataSet.h"
#include "ModelConsistency.h"
#include "ModelFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  XMLRead_IDTable ids;
  const ModelFileContents contents = ReadModelText(bytes, ids);
  std::string broken;
  if (contents.set == nullptr) {
    const auto lines = std::count(bytes.begin(), bytes.end(), '\n') + 1;
    if (contents.problem.empty() || contents.problemLine < 1 || contents.problemLine > lines) broken = "no line";
  } else {
    LmWSModelSets sets;
    sets.Map(contents.set.get());
    broken = ModelInconsistency(sets);
  }
  if (broken.empty()) return 0;
  std::fprintf(stderr, "%s: %d: %s\n", broken.c_str(), contents.problemLine, contents.problem.c_str());
  std::abort();
}
