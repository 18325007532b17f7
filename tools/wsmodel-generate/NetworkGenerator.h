#pragma once
// Generates a realistic water and sewer network of a given number of pipes,
// trench path by trench path, and streams it out: only the path being made is
// held in memory. Streets of 20 to 50 trench edges carry sewer, storm water
// and water lines; pipes of one to three segments meet at manholes (sewer,
// storm water) or valves, hydrants, branches and pipe joints (water); gullies
// and other point objects stand beside the streets. The same seed gives the
// same network.

#include <cstdint>
#include <memory>

#include "OutputSink.h"

namespace wsmodel {

struct GeneratorCounts {
  int composites = 0;
  int pipes = 0;
  int segments = 0;
  int pointObjects = 0;
  int freePointObjects = 0;  // no segment, no trench node
  int otherDevices = 0;
  int trenchPaths = 0;
  int unselectablePaths = 0;  // type 0
  int topologyObjects = 0;    // trench paths and other topology objects
  int trenchNodes = 0;
  int edges = 0;
  int manholeTags = 0;
  int pipeLines = 0;
};

class NetworkGenerator {
 public:
  // Pipe counts that keep every id within 32 bits.
  static constexpr std::int64_t kMaxPipes = 100'000'000;

  NetworkGenerator(std::int64_t pipes, std::uint64_t seed);
  ~NetworkGenerator();

  // Writes the model, and the overview files when both sinks are given.
  GeneratorCounts Write(OutputSink& model, OutputSink* manholeOverview, OutputSink* pipeOverview);

 private:
  class Path;
  std::int64_t pipes_;
  std::uint64_t seed_;
};

}  // namespace wsmodel
