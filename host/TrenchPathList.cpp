#include "TrenchPathList.h"

#include <iostream>

#include "LmWSModel.h"
#include "LmWsSosiExportUI.h"
#include "ModelCasts.h"
#include "WideText.h"

int PrintTrenchPaths(const std::string& model) {
  LmWsSosiExportUI run;
  LwdDeviceSet* devices = nullptr;
  LwcNodePointObjectLinkSet* nodeLinks = nullptr;
  if (model.empty()) {
    std::cerr << "sosi-export: --list-paths needs a model file\n";
    return 2;
  }
  const bool loaded = run.LoadModel(platform::FromUtf8(model), devices, nodeLinks);
  delete devices;
  // The loading message has no line end of its own.
  std::cout << std::endl;
  if (!loaded) {
    std::cerr << "sosi-export: no trench paths: the model " << model << " could not be read\n";
    return 1;
  }
  const LwtTrenchTopologySet* topology = run.TrenchTopology();
  const int count = topology != nullptr ? topology->numTopologyObjects() : 0;
  for (int i = 0; i < count; ++i) {
    const LwtTrenchPath* path = AsTrenchPath(topology->getTopologyObject(i));
    if (path == nullptr) continue;
    const int type = path->getTrenchPathType();
    // The trench path dialog offers only paths of one of the known types.
    const bool offered = (type & WS::kAllTrenchPathTypes) != 0;
    std::cout << platform::ToUtf8(path->getName()) << "\ttype " << type << "\t"
              << (offered ? "selectable" : "not selectable") << "\n";
  }
  return 0;
}
