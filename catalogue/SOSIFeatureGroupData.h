#pragma once
// The fifteen code lists that the dialog pages offer for one family of file
// format variants, read from "SOSIExport.FeatureGroups.Gemini.xml" (file
// format value 2) or "SOSIExport.FeatureGroups.GISLINE.xml" (all others).

#include <string>
#include <string_view>
#include <vector>

#include "CWsFeature.h"
#include "XmlAccess.h"

using FeatureList = std::vector<CWsFeature>;
using FeatureTextList = std::vector<std::wstring>;  // entries "code: description"

class SOSIFeatureGroupData {
 public:
  const FeatureList& PipeTypeFeatures() const { return pipeTypes_; }
  const FeatureList& PipeUsageFeatures() const { return pipeUsage_; }
  const FeatureList& PipeMethodFeatures() const { return pipeMethod_; }
  const FeatureList& PipeSupplyFeatures() const { return pipeSupply_; }
  const FeatureList& ConnectionTypeFeatures() const { return connectionTypes_; }
  const FeatureList& ConnectionUsageFeatures() const { return connectionUsage_; }
  const FeatureList& ConnectionMethodFeatures() const { return connectionMethod_; }
  const FeatureList& PipeMaterialFeatures() const { return pipeMaterials_; }
  const FeatureList& PipeMaterialProductStandardFeatures() const { return productStandards_; }
  const FeatureTextList& NetworkLevelFeatures() const { return networkLevels_; }
  const FeatureTextList& SosiStatusFeatures() const { return sosiStatus_; }
  const FeatureTextList& PipeStatusFeatures() const { return pipeStatus_; }
  const FeatureTextList& ConnectionStatusFeatures() const { return connectionStatus_; }
  const FeatureTextList& GeometryQualityXYFeatures() const { return qualityXY_; }
  const FeatureTextList& GeometryQualityZFeatures() const { return qualityZ_; }

 private:
  friend void ReadFeatureGroupFile(const std::wstring& path, SOSIFeatureGroupData& holder);
  friend void ReadFeatureGroupText(std::string_view bytes, SOSIFeatureGroupData& holder);
  // `load` fills the document; the lists stay empty when it cannot.
  template <typename Load>
  void Read(Load load);

  FeatureList pipeTypes_, pipeUsage_, pipeMethod_, pipeSupply_;
  FeatureList connectionTypes_, connectionUsage_, connectionMethod_;
  FeatureList pipeMaterials_, productStandards_;
  FeatureTextList networkLevels_, sosiStatus_, pipeStatus_, connectionStatus_, qualityXY_, qualityZ_;
};

// `folder` ends with its separator; nothing is inserted between.
std::wstring FeatureGroupFileName(const std::wstring& folder, int fileFormat);
void LoadFeatureGroups(const std::wstring& folder, int fileFormat, SOSIFeatureGroupData& holder);
// Empties all fifteen lists, then fills them from the file (path used as given).
void ReadFeatureGroupFile(const std::wstring& path, SOSIFeatureGroupData& holder);
// The same for the bytes of a feature group file already in memory.
void ReadFeatureGroupText(std::string_view bytes, SOSIFeatureGroupData& holder);
void ReadFeatureList(const XmlElement& group, FeatureList& list);
void ReadFeatureTextList(const XmlElement& group, FeatureTextList& list);
