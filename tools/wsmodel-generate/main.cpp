// wsmodel-generate: writes a generated network model, and optionally its
// overview files, for tests and measurements of the export.

#include <CLI/CLI.hpp>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>

#include "NetworkGenerator.h"
#include "OutputSink.h"

int main(int argc, char** argv) {
  CLI::App app("Writes a realistic water and sewer network model of N pipes.", "wsmodel-generate");
  std::int64_t pipes = 0;
  std::uint64_t seed = 1;
  std::string out;
  std::string overviewDir;
  app.add_option("--pipes", pipes, "number of pipes")->required()->check(CLI::Range(std::int64_t{0}, wsmodel::NetworkGenerator::kMaxPipes));
  app.add_option("--seed", seed, "seed; the same seed gives the same network")->required();
  app.add_option("-o,--out", out, "model file to write")->required();
  app.add_option("--overview-dir", overviewDir, "folder for Kumoversikt.csv and Ledningsoversikt.csv")
      ->check(CLI::ExistingDirectory);
  CLI11_PARSE(app, argc, argv);

  wsmodel::FileSink model;
  wsmodel::FileSink manholes;
  wsmodel::FileSink pipeLines;
  const bool withOverview = !overviewDir.empty();
  const std::filesystem::path folder(overviewDir);
  const std::string manholePath = (folder / "Kumoversikt.csv").string();
  const std::string pipePath = (folder / "Ledningsoversikt.csv").string();
  if (!model.Open(out) || (withOverview && (!manholes.Open(manholePath) || !pipeLines.Open(pipePath)))) {
    std::cerr << "wsmodel-generate: cannot create the output files\n";
    return 1;
  }

  const wsmodel::GeneratorCounts counts = wsmodel::NetworkGenerator(pipes, seed).Write(
      model, withOverview ? &manholes : nullptr, withOverview ? &pipeLines : nullptr);
  if (!model.Commit() || (withOverview && (!manholes.Commit() || !pipeLines.Commit()))) {
    std::cerr << "wsmodel-generate: writing failed (disk full?)\n";
    return 1;
  }
  std::cout << out << ": " << counts.composites << " composites, " << counts.pipes << " pipes, " << counts.segments
            << " segments, " << counts.pointObjects << " point objects (" << counts.freePointObjects << " free), "
            << counts.trenchPaths << " trench paths (" << counts.unselectablePaths << " of type 0), "
            << counts.trenchNodes << " trench nodes\n";
  if (withOverview) {
    std::cout << manholePath << ": " << counts.manholeTags << " manhole tags\n"
              << pipePath << ": " << counts.pipeLines << " pipe lines\n";
  }
  return 0;
}
