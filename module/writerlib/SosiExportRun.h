#pragma once
// One SOSI export: turns the planned objects into SOSI values through the
// mapping tables and the header texts, streams header, objects and trailer
// to a sink in the layout of the chosen variant, and reports on the host's
// command line what was written and what was not as asked.

#include <map>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "ByteSink.h"
#include "FeatureLookup.h"
#include "FeatureTable.h"
#include "LwdModelInfo.h"
#include "ObjectIdentity.h"
#include "SosiHeader.h"
#include "SosiLayout.h"
#include "SosiObjectPlan.h"

struct SosiExportTables {
  const FeatureTable* pipeTypes = nullptr;
  const FeatureTable* pipeUsage = nullptr;
  const FeatureTable* pipeMethod = nullptr;
  const FeatureTable* pipeSupply = nullptr;
  const FeatureTable* pipeMaterials = nullptr;
  const FeatureTable* pipeMaterialsProductStandard = nullptr;
  const FeatureTable* connectionTypes = nullptr;
  const FeatureTable* connectionUsage = nullptr;
  const FeatureTable* connectionMethod = nullptr;
};

// The header values of the run as the settings hold them; code list values
// are whole entries ("P: Prosjektert").
struct SosiHeaderTexts {
  std::wstring coordinateSystem;
  std::wstring datum;
  std::wstring projection;
  std::wstring quality;
  std::wstring owner;
  std::wstring producer;
  std::wstring mapId;
  std::wstring networkLevel;
  std::wstring status;
  std::wstring year;
  std::wstring pipeStatus;
  std::wstring connectionStatus;
  std::wstring geometryQualityXY;
  std::wstring geometryQualityZ;
};

class SosiExportRun {
 public:
  // `pointTags` may be null.
  SosiExportRun(const SosiLayout& layout, const SosiExportTables& tables, const SosiHeaderTexts& texts,
                const std::map<int, std::wstring>* pointTags);

  // Streams the whole file; false when the sink failed.
  bool Write(ByteSink& sink, const SosiObjectPlan& plan);
  // The command line lines about what was not written as asked.
  void ReportProblems(const SosiObjectPlan& plan) const;
  // The closing line naming the file and what it holds.
  void ReportWritten(const std::wstring& fileName, const SosiObjectPlan& plan) const;

 private:
  // The lookups count the values without a code as they go, and object type
  // names are made once for each feature, not for each object.
  struct ObjectLookups {
    ObjectLookups(const SosiExportTables& tables, bool fullMapping);
    void Report() const;

    FeatureLookup pipeTypes;
    FeatureLookup pipeUsage;
    FeatureLookup pipeMethod;
    FeatureLookup pipeSupply;
    FeatureLookup pipeMaterials;
    FeatureLookup productStandards;
    FeatureLookup connectionTypes;
    FeatureLookup connectionUsage;
    FeatureLookup connectionMethod;
    std::map<const CWsFeature*, std::wstring> curveTypeNames;
    std::map<const CWsFeature*, std::wstring> pointTypeNames;
  };

  SosiHeader MakeHeader(const SosiObjectPlan& plan);
  void WriteCurve(SosiFileWriter& writer, const SosiCurvePlan& curve);
  void WritePoint(SosiFileWriter& writer, const SosiPointPlan& point);
  // The model object an identifier is made from: a run's tag, or its first segment.
  std::string CurveIdentityName(const SosiCurvePlan& curve);
  std::wstring_view MaterialCode(const LwdPipe& pipe);
  std::wstring ObjectQuality(bool heights) const;
  void Note(std::wstring line) { notes_.push_back(std::move(line)); }

  const SosiLayout& layout_;
  const SosiExportTables tables_;
  const std::map<int, std::wstring>* pointTags_;
  SosiHeaderTexts texts_;
  // Codes and tokens taken from the header texts once.
  int coordinateSystem_ = 0;
  std::wstring datum_;
  std::wstring projection_;
  std::wstring quality_;
  std::wstring status_;
  std::wstring curveStatus_;
  std::wstring pointStatus_;
  std::wstring networkLevel_;
  std::wstring objectOwner_;
  std::wstring qualityXY_;
  std::wstring qualityZ_;
  std::wstring objectQuality_[2];  // without and with heights

  ObjectLookups lookups_;
  // The model's record and identifiers, known once the plan is.
  LwdModelInfo model_;
  std::optional<ObjectIdentity> identity_;
  std::unordered_set<std::string> curveIdentityNames_;
  // Material codes by the model's text, and the texts no table gives a code for.
  std::map<const std::wstring*, std::wstring_view> materialCodes_;
  std::map<std::wstring, long> uncodedMaterials_;

  // The line starts of the objects' elements, made when writing begins.
  std::vector<std::string> curveHeads_;
  std::vector<std::string> pointHeads_;

  std::vector<std::wstring> notes_;
  std::size_t replacedCharacters_ = 0;
  std::size_t unknownCharacters_ = 0;
  std::size_t shortenedValues_ = 0;
};
