#include "LmWsSosiMapper.h"

#include "CSosiExportException.h"
#include "FileSink.h"
#include "HostConsole.h"
#include "SosiExportRun.h"
#include "SosiObjectPlan.h"
#include "WideText.h"
#include "WriteOutcome.h"

namespace {

std::wstring TextOf(const wchar_t* text) { return text != nullptr ? text : L""; }

}  // namespace

// The node links and the text-to-number map carry nothing the file needs:
// point objects come from the device set itself.
bool LmWsSosiMapper::MapToSosi(
    const wchar_t* fileName, const LwdDeviceSet* devices, const LwcNodePointObjectLinkSet* /*nodeLinks*/,
    std::map<std::wstring, long> /*reserved*/, FeatureTable* pipeTypes, FeatureTable* pipeUsage,
    FeatureTable* pipeMethod, FeatureTable* pipeSupply, FeatureTable* pipeMaterials,
    FeatureTable* pipeMaterialsProductStandard, FeatureTable* connectionTypes, FeatureTable* connectionUsage,
    FeatureTable* connectionMethod, std::map<int, std::wstring>* pointObjectTags,
    std::map<int, std::pair<std::wstring, bool>>* pipeTags, std::vector<std::vector<const LwdDeviceSegment*>>* pipeRuns,
    const wchar_t* coordinateSystem, const wchar_t* datum, const wchar_t* projection, const wchar_t* quality,
    const wchar_t* owner, const wchar_t* producer, const wchar_t* mapId, const wchar_t* networkLevel,
    const wchar_t* status, const wchar_t* year, const wchar_t* pipeStatus, const wchar_t* connectionStatus,
    const wchar_t* geometryQualityXY, const wchar_t* geometryQualityZ) {
  const std::wstring path = TextOf(fileName);
  FileSink sink;
  if (!sink.Open(platform::ToUtf8(path))) {
    platform::ReportWriteOutcome({path, false, sink.Error()});
    throw new CSosiExportException(path.c_str());
  }

  const SosiExportTables tables{pipeTypes,       pipeUsage,       pipeMethod,
                                pipeSupply,      pipeMaterials,   pipeMaterialsProductStandard,
                                connectionTypes, connectionUsage, connectionMethod};
  const SosiHeaderTexts texts{TextOf(coordinateSystem),
                              TextOf(datum),
                              TextOf(projection),
                              TextOf(quality),
                              TextOf(owner),
                              TextOf(producer),
                              TextOf(mapId),
                              TextOf(networkLevel),
                              TextOf(status),
                              TextOf(year),
                              TextOf(pipeStatus),
                              TextOf(connectionStatus),
                              TextOf(geometryQualityXY),
                              TextOf(geometryQualityZ)};
  const SosiObjectPlan plan(devices, pipeRuns, pipeTags);
  SosiExportRun run(SosiLayoutFor(format_), tables, texts, pointObjectTags);
  const bool written = run.Write(sink, plan) && sink.Commit();
  platform::ReportWriteOutcome({path, written, sink.Error()});
  run.ReportProblems(plan);
  if (!written) {
    const std::wstring line =
        L"\nCould not write the SOSI file " + path + L"; an earlier file of that name is unchanged";
    acutPrintf(L"%s", line.c_str());
    return false;
  }
  run.ReportWritten(path, plan);
  return true;
}
