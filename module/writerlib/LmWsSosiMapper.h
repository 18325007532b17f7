#pragma once
// Writes a network model's devices to a SOSI file in one of the shipped file
// format variants, mapping model values onto SOSI codes through the export
// settings' tables. What each variant writes: docs/sosi-output.md.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "FeatureTable.h"

class LwcNodePointObjectLinkSet;
class LwdDeviceSegment;
class LwdDeviceSet;

class LmWsSosiMapper {
 public:
  // The settings' file format value, taken unchanged; a value that names no
  // shipped variant writes the plain one.
  enum eSOSIFileFormat : int { eSOSI = 0, eGISLINE = 1, eGemini = 2 };

  LmWsSosiMapper() = default;
  virtual ~LmWsSosiMapper() = default;

  void SetSOSIFileFormat(eSOSIFileFormat format) { format_ = format; }

  // Writes `fileName` (replacing it only once the whole file is written).
  // Null tables, tag maps and runs mean none. Throws a new
  // CSosiExportException, before anything is written, when the file cannot
  // be replaced (a folder, a read-only file, a missing folder); false when
  // writing failed after that (reported on the command line). Either way,
  // and on success, what became of the file goes to ReportWriteOutcome.
  bool MapToSosi(const wchar_t* fileName, const LwdDeviceSet* devices, const LwcNodePointObjectLinkSet* nodeLinks,
                 std::map<std::wstring, long> reserved, FeatureTable* pipeTypes, FeatureTable* pipeUsage,
                 FeatureTable* pipeMethod, FeatureTable* pipeSupply, FeatureTable* pipeMaterials,
                 FeatureTable* pipeMaterialsProductStandard, FeatureTable* connectionTypes,
                 FeatureTable* connectionUsage, FeatureTable* connectionMethod,
                 std::map<int, std::wstring>* pointObjectTags,
                 std::map<int, std::pair<std::wstring, bool>>* pipeTags,
                 std::vector<std::vector<const LwdDeviceSegment*>>* pipeRuns, const wchar_t* coordinateSystem,
                 const wchar_t* datum, const wchar_t* projection, const wchar_t* quality, const wchar_t* owner,
                 const wchar_t* producer, const wchar_t* mapId, const wchar_t* networkLevel, const wchar_t* status,
                 const wchar_t* year, const wchar_t* pipeStatus, const wchar_t* connectionStatus,
                 const wchar_t* geometryQualityXY, const wchar_t* geometryQualityZ);

 private:
  eSOSIFileFormat format_ = eSOSI;
};
