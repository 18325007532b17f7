// wsmodel-check: loads a model file through the model library as the export
// does and reports what it holds, or the first problem of the file.

#include <CLI/CLI.hpp>
#include <chrono>
#include <iostream>
#include <memory>
#include <string>

#include "LmWSModel.h"

int main(int argc, char** argv) {
  CLI::App app("Loads a network model file and reports its contents or its first problem.", "wsmodel-check");
  std::string file;
  app.add_option("file", file, "model file")->required();
  CLI11_PARSE(app, argc, argv);

  const auto started = std::chrono::steady_clock::now();
  std::unique_ptr<GmvGeodataXMLReadVisitor> visitor(GmvGeodataXMLFactory::getGeodataXMLReadVisitor(file.c_str()));
  if (!visitor) {
    std::cerr << file << ": no such file\n";
    return 1;
  }
  std::unique_ptr<GmiGeodataSet> set;
  if (visitor->openReader()) {
    visitor->clearTable();
    set.reset(visitor->makeObject(visitor->getStartOrEndTag()));
    visitor->performMethods();
    visitor->closeReader();
  }
  visitor.reset();
  if (!set) {
    std::cout << "\n";
    return 1;
  }
  LmWSModelSets sets;
  sets.Map(set.get());
  const int composites = set->numComposites();
  set.reset();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

  int pipes = 0;
  int pointObjects = 0;
  for (int i = 0; i < sets.devices->numDevices(); ++i) {
    const WsClassId classId = sets.devices->getDevice(i)->getClassId();
    pipes += classId == kClassPipe ? 1 : 0;
    pointObjects += IsPointObjectClass(classId) ? 1 : 0;
  }
  int paths = 0;
  const int topologyObjects = sets.topology ? sets.topology->numTopologyObjects() : 0;
  for (int i = 0; i < topologyObjects; ++i) {
    paths += sets.topology->getTopologyObject(i)->getClassId() == kClassTrenchPath ? 1 : 0;
  }
  std::cout << file << ": " << composites << " composites, " << sets.devices->numDevices() << " devices (" << pipes
            << " pipes, " << pointObjects << " point objects), " << paths << " trench paths, "
            << sets.sections->numSections() << " trench sections; loaded in " << seconds << " s\n";
  return 0;
}
