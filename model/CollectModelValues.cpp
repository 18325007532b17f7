#include <set>

#include "LmWSModel.h"
#include "LmWsSosiExportUI.h"
#include "ModelCasts.h"

void LmWsSosiExportUI::CollectModelValues(const LwdDeviceSet* deviceSet, std::vector<std::wstring>& pipeNames,
                                          std::vector<std::wstring>& typeNames,
                                          std::vector<std::pair<std::wstring, std::wstring>>& materials) const {
  pipeNames.clear();
  typeNames.clear();
  materials.clear();
  if (deviceSet == nullptr) return;
  std::set<std::wstring> names;
  std::set<std::wstring> types;
  std::set<std::pair<std::wstring, std::wstring>> materialsMet;
  for (int i = 0; i < deviceSet->numDevices(); ++i) {
    const LwdDevice* device = deviceSet->getDevice(i);
    if (const LwdPipe* pipe = AsPipe(device)) {
      names.insert(pipe->getName());
      std::pair<std::wstring, std::wstring> material(pipe->getMaterial(), pipe->getShortMaterial());
      if (materialsMet.insert(material).second) materials.push_back(std::move(material));
    } else if (const LwdDevicePointObject* pointObject = AsMappedPointObject(device)) {
      types.insert(pointObject->getType());
    }
  }
  pipeNames.assign(names.begin(), names.end());
  typeNames.assign(types.begin(), types.end());
}
