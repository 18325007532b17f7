#include "NetworkExport.h"

#include <memory>
#include <regex>
#include <set>

#include "HostConsole.h"
#include "LmWSModel.h"
#include "LmWsSosiMapper.h"
#include "NetworkGenerator.h"
#include "SOSIMapperDataReader.h"
#include "TempDir.h"
#include "WideText.h"

namespace {

void AddSegment(const LwdDeviceSegment* segment, std::set<const LwdDeviceSegment*>& seen,
                std::vector<ExpectedObject>& curves) {
  if (segment == nullptr || !seen.insert(segment).second) return;
  const std::vector<WSVertex>& vertices = segment->getWSCurve()->GetHorVertices();
  if (vertices.size() < 2) return;
  curves.push_back({segment->getPersistentID(), segment->getPipe()->getName(), {}, vertices});
}

// The closing line: "SOSI file <path> written: <n> curves, <m> points".
void ReadCounts(ExportOutcome& outcome) {
  std::wsmatch match;
  if (!std::regex_search(outcome.commandLine, match, std::wregex(L"written: (\\d+) curves?, (\\d+) points?"))) return;
  outcome.curves = std::stol(match[1]);
  outcome.points = std::stol(match[2]);
}

}  // namespace

LoadedNetwork LoadNetwork(const std::filesystem::path& modelFile) {
  LoadedNetwork network;
  std::unique_ptr<GmvGeodataXMLReadVisitor> visitor(
      GmvGeodataXMLFactory::getGeodataXMLReadVisitor(modelFile.string().c_str()));
  if (!visitor || !visitor->openReader()) return network;
  visitor->clearTable();
  std::unique_ptr<GmiGeodataSet> set(visitor->makeObject(visitor->getStartOrEndTag()));
  visitor->performMethods();
  visitor->closeReader();
  network.loaded = set != nullptr && network.Map(set.get());
  return network;
}

void GenerateNetwork(std::int64_t pipes, std::uint64_t seed, const std::filesystem::path& modelFile) {
  wsmodel::FileSink sink;
  if (!sink.Open(modelFile.string())) return;
  wsmodel::NetworkGenerator(pipes, seed).Write(sink, nullptr, nullptr);
  sink.Commit();
}

ExportOutcome ExportNetwork(const LwdDeviceSet& devices, int fileFormat, const std::filesystem::path& sosFile,
                            const std::wstring& owner) {
  ExportOutcome outcome;
  auto settings = LoadSOSIMapperData(DataPath("WaterSewer/Config/Default/SOSIExport.cfg.xml").wstring());
  if (!settings) return outcome;
  settings->FileFormat = fileFormat;
  SOSIMapperData& s = *settings;
  LmWsSosiMapper mapper;
  mapper.SetSOSIFileFormat(static_cast<LmWsSosiMapper::eSOSIFileFormat>(fileFormat));
  platform::HostCapture capture;
  outcome.written = mapper.MapToSosi(
      platform::FromUtf8(sosFile.string()).c_str(), &devices, nullptr, {},
      s.CurrentPipeTypes(), s.CurrentPipeUsage(), s.CurrentPipeMethod(), s.CurrentPipeSupply(),
      s.CurrentPipeMaterials(), s.CurrentPipeMaterialsProductStandard(), s.CurrentConnectionTypes(),
      s.CurrentConnectionUsage(), s.CurrentConnectionMethod(), nullptr, nullptr, nullptr, s.CoordinateSystem.c_str(),
      s.Date.c_str(), s.Projection.c_str(), s.Quality.c_str(), owner.c_str(), s.Producer.c_str(), s.MapId.c_str(),
      s.NetLevel.c_str(), s.Status.c_str(), s.Year.c_str(), s.StatusPipe.c_str(), s.StatusConnection.c_str(),
      s.GeometryQualityXY.c_str(), s.GeometryQualityZ.c_str());
  outcome.commandLine = capture.CommandLine();
  ReadCounts(outcome);
  return outcome;
}

std::vector<ExpectedObject> ExpectedCurves(const LwdDeviceSet& devices) {
  std::vector<ExpectedObject> curves;
  std::set<const LwdDeviceSegment*> seen;
  for (int i = 0; i < devices.numDevices(); ++i) {
    const LwdDevice* device = devices.getDevice(i);
    if (device->getClassId() == kClassDeviceSegment) {
      AddSegment(static_cast<const LwdDeviceSegment*>(device), seen, curves);
    } else if (device->getClassId() == kClassPipe) {
      const auto* pipe = static_cast<const LwdPipe*>(device);
      for (int s = 0; s < pipe->numDeviceSegments(); ++s) AddSegment(pipe->getDeviceSegment(s), seen, curves);
    }
  }
  return curves;
}

std::vector<ExpectedObject> ExpectedPoints(const LwdDeviceSet& devices) {
  std::vector<ExpectedObject> points;
  for (int i = 0; i < devices.numDevices(); ++i) {
    const LwdDevice* device = devices.getDevice(i);
    if (!IsPointObjectClass(device->getClassId())) continue;
    const GmiSinglePoint* point = static_cast<const LwdDevicePointObject*>(device)->getRelPoint();
    if (point == nullptr) continue;
    const GmiPosition& p = point->getPosition();
    points.push_back({device->getPersistentID(), device->getName(), device->getType(),
                      {WSVertex{p.getX(), p.getY(), p.getZ(), p.hasZ()}}});
  }
  return points;
}
