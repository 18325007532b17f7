#include "SOSIFeatureGroupData.h"

#include <stdexcept>

#include "FeatureXml.h"

namespace {

// Reads the group's Feature children in file order and appends what `convert`
// makes of each one that has both Name and Description.
template <typename List, typename Convert>
void ReadFeatures(const XmlElement& group, List& list, Convert convert) {
  list.clear();
  if (group.IsNull()) return;
  const XmlNodeList nodes = group.selectNodes("Feature");
  CWsFeature feature;
  for (long i = 0; i < nodes.length(); ++i) {
    try {
      if (ReadFeature(XmlElement(nodes.item(i)), feature)) list.push_back(convert(feature));
    } catch (const XmlError&) {
      // A Group that is not a number: only this code is left out, so one
      // slip in a hand-edited file does not cost the user the whole list.
    }
  }
}

}  // namespace

std::wstring FeatureGroupFileName(const std::wstring& folder, int fileFormat) {
  return folder + (fileFormat == 2 ? L"SOSIExport.FeatureGroups.Gemini.xml" : L"SOSIExport.FeatureGroups.GISLINE.xml");
}

void LoadFeatureGroups(const std::wstring& folder, int fileFormat, SOSIFeatureGroupData& holder) {
  ReadFeatureGroupFile(FeatureGroupFileName(folder, fileFormat), holder);
}

void ReadFeatureList(const XmlElement& group, FeatureList& list) {
  ReadFeatures(group, list, [](const CWsFeature& feature) { return feature; });
}

void ReadFeatureTextList(const XmlElement& group, FeatureTextList& list) {
  ReadFeatures(group, list, [](const CWsFeature& feature) { return feature.Feature() + L": " + feature.Description(); });
}

template <typename Load>
void SOSIFeatureGroupData::Read(Load load) {
  try {
    XmlDocument document;
    if (document.Create() != kXmlOk) return;
    document.PrepareForReading();
    if (!load(document)) return;
    const XmlNodeList roots = document.selectNodes("SOSIFeatureGroupData");
    if (roots.length() != 1) return;
    const XmlElement root(roots.item(0));
    if (root.IsNull()) return;

    const std::pair<const char*, FeatureList*> featureGroups[] = {
        {"PipeTypeFeatures", &pipeTypes_},
        {"PipeUsageFeatures", &pipeUsage_},
        {"PipeMethodFeatures", &pipeMethod_},
        {"PipeSupplyFeatures", &pipeSupply_},
        {"PipeMaterialFeatures", &pipeMaterials_},
        {"PipeMaterialProductStandardFeatures", &productStandards_},
        {"ConnectionTypeFeatures", &connectionTypes_},
        {"ConnectionUsageFeatures", &connectionUsage_},
        {"ConnectionMethodFeatures", &connectionMethod_},
    };
    for (const auto& [name, list] : featureGroups) ReadFeatureList(root.selectSingleNode(name), *list);

    const std::pair<const char*, FeatureTextList*> textGroups[] = {
        {"NetworkLevelFeatures", &networkLevels_},
        {"SosiStatusFeatures", &sosiStatus_},
        {"PipeStatusFeatures", &pipeStatus_},
        {"ConnectionStatusFeatures", &connectionStatus_},
        {"GeometryQualityXYFeatures", &qualityXY_},
        {"GeometryQualityZFeatures", &qualityZ_},
    };
    for (const auto& [name, list] : textGroups) ReadFeatureTextList(root.selectSingleNode(name), *list);
  } catch (const std::exception&) {
    // The pages then fall back to their built-in lists, as for an unreadable file.
    *this = SOSIFeatureGroupData();
  }
}

void ReadFeatureGroupFile(const std::wstring& path, SOSIFeatureGroupData& holder) {
  holder = SOSIFeatureGroupData();
  if (path.empty()) return;
  holder.Read([&path](XmlDocument& document) { return document.load(path); });
}

void ReadFeatureGroupText(std::string_view bytes, SOSIFeatureGroupData& holder) {
  holder = SOSIFeatureGroupData();
  holder.Read([bytes](XmlDocument& document) { return document.loadText(bytes); });
}
