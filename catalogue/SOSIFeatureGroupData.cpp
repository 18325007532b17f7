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

void ReadFeatureGroupFile(const std::wstring& path, SOSIFeatureGroupData& holder) {
  holder = SOSIFeatureGroupData();
  if (path.empty()) return;
  try {
    XmlDocument document;
    if (document.Create() != kXmlOk) return;
    document.PrepareForReading();
    if (!document.load(path)) return;
    const XmlNodeList roots = document.selectNodes("SOSIFeatureGroupData");
    if (roots.length() != 1) return;
    const XmlElement root(roots.item(0));
    if (root.IsNull()) return;

    const std::pair<const char*, FeatureList*> featureGroups[] = {
        {"PipeTypeFeatures", &holder.pipeTypes_},
        {"PipeUsageFeatures", &holder.pipeUsage_},
        {"PipeMethodFeatures", &holder.pipeMethod_},
        {"PipeSupplyFeatures", &holder.pipeSupply_},
        {"PipeMaterialFeatures", &holder.pipeMaterials_},
        {"PipeMaterialProductStandardFeatures", &holder.productStandards_},
        {"ConnectionTypeFeatures", &holder.connectionTypes_},
        {"ConnectionUsageFeatures", &holder.connectionUsage_},
        {"ConnectionMethodFeatures", &holder.connectionMethod_},
    };
    for (const auto& [name, list] : featureGroups) ReadFeatureList(root.selectSingleNode(name), *list);

    const std::pair<const char*, FeatureTextList*> textGroups[] = {
        {"NetworkLevelFeatures", &holder.networkLevels_},
        {"SosiStatusFeatures", &holder.sosiStatus_},
        {"PipeStatusFeatures", &holder.pipeStatus_},
        {"ConnectionStatusFeatures", &holder.connectionStatus_},
        {"GeometryQualityXYFeatures", &holder.qualityXY_},
        {"GeometryQualityZFeatures", &holder.qualityZ_},
    };
    for (const auto& [name, list] : textGroups) ReadFeatureTextList(root.selectSingleNode(name), *list);
  } catch (const std::exception&) {
    // The pages then fall back to their built-in lists, as for an unreadable file.
    holder = SOSIFeatureGroupData();
  }
}
