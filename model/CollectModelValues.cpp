#include <algorithm>
#include <set>
#include <unordered_set>

#include "FlatHashIndex.h"
#include "LmWSModel.h"
#include "LmWsSosiExportUI.h"
#include "ModelCasts.h"

namespace {

// A model keeps one copy of each distinct text, so that a city's hundred
// thousand pipes are sorted out by the addresses of their texts, and only
// the few distinct texts are compared.
struct TextPairHash {
  std::size_t operator()(const std::pair<const std::wstring*, const std::wstring*>& texts) const {
    const std::hash<const std::wstring*> hash;
    return hash(texts.first) * 31 + hash(texts.second);
  }
};

std::vector<std::wstring> SortedTexts(const FlatSet<const std::wstring*>& met) {
  std::vector<std::wstring> texts;
  texts.reserve(met.Keys().size());
  for (const std::wstring* text : met.Keys()) texts.push_back(*text);
  std::sort(texts.begin(), texts.end());
  // Equal texts of two models' devices in one set have two addresses.
  texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
  return texts;
}

}  // namespace

void LmWsSosiExportUI::CollectModelValues(const LwdDeviceSet* deviceSet, std::vector<std::wstring>& pipeNames,
                                          std::vector<std::wstring>& typeNames,
                                          std::vector<std::pair<std::wstring, std::wstring>>& materials) const {
  pipeNames.clear();
  typeNames.clear();
  materials.clear();
  if (deviceSet == nullptr) return;
  FlatSet<const std::wstring*> names;
  FlatSet<const std::wstring*> types;
  std::unordered_set<std::pair<const std::wstring*, const std::wstring*>, TextPairHash> materialTextsMet;
  std::set<std::pair<std::wstring, std::wstring>> materialsMet;
  for (int i = 0; i < deviceSet->numDevices(); ++i) {
    const LwdDevice* device = deviceSet->getDevice(i);
    if (const LwdPipe* pipe = AsPipe(device)) {
      names.Insert(&pipe->getName());
      if (!materialTextsMet.insert({&pipe->getMaterial(), &pipe->getShortMaterial()}).second) continue;
      std::pair<std::wstring, std::wstring> material(pipe->getMaterial(), pipe->getShortMaterial());
      if (materialsMet.insert(material).second) materials.push_back(std::move(material));
    } else if (const LwdDevicePointObject* pointObject = AsMappedPointObject(device)) {
      types.Insert(&pointObject->getType());
    }
  }
  pipeNames = SortedTexts(names);
  typeNames = SortedTexts(types);
}
