#include "FlatHashIndex.h"
#include "LmWSModel.h"
#include "LmWsSosiExportUI.h"
#include "ModelCasts.h"
#include "OverviewLookup.h"
#include "PipeRunBuilder.h"

namespace {

const std::wstring& NameOf(const LwdDevicePointObject* pointObject) {
  static const std::wstring none;
  return pointObject != nullptr ? pointObject->getName() : none;
}

// A pipe line listing the run's end manhole first matches with the flag
// false; one listing its start manhole first, with true.
void MatchRun(const std::vector<const LwdDeviceSegment*>& run, const OverviewLookup& lookup, PipeTagMap& pipeTags) {
  if (run.empty()) return;
  const OverviewTagView* startTag = lookup.FindManholeTag(NameOf(run.front()->getStartDevicePointObject()));
  const OverviewTagView* endTag = lookup.FindManholeTag(NameOf(run.back()->getEndDevicePointObject()));
  if (startTag == nullptr || endTag == nullptr) return;
  bool startFirst = false;
  std::wstring_view pipe = lookup.FindPipeLine(*endTag, *startTag);
  if (pipe.empty()) {
    pipe = lookup.FindPipeLine(*startTag, *endTag);
    startFirst = true;
  }
  if (pipe.empty()) return;
  pipeTags[run.front()->getPersistentID()] = {std::wstring(pipe), startFirst};
}

// The runs of the chains' segments; what finding them takes is let go
// before the runs are matched, when the pipe tags come in.
PipeRuns CutRuns(const SectionChainList& sectionChains, const PointObjectTagMap& pointObjectTags) {
  std::size_t segments = 0;
  for (const SectionChains& record : sectionChains) {
    for (const SegmentChain& chain : record.chains) segments += chain.size();
  }
  FlatMap<const LwdDeviceSegment*, const LwtTrenchPath*> pathOfSegment;
  pathOfSegment.Reserve(segments);
  for (const SectionChains& record : sectionChains) {
    const LwtTrenchEdge* edge = record.section != nullptr ? record.section->getTrenchEdge() : nullptr;
    const LwtTrenchPath* path = edge != nullptr ? edge->getTrenchPath() : nullptr;
    for (const SegmentChain& chain : record.chains) {
      for (const LwdDeviceSegment* segment : chain) pathOfSegment.At(segment, path) = path;
    }
  }

  // Asked about once a segment: a flat table answers sooner than the tree.
  FlatMap<int, const std::wstring*> tagById;
  tagById.Reserve(pointObjectTags.size());
  for (const auto& [id, tag] : pointObjectTags) tagById.At(id, &tag);

  PipeRunBuilder builder(
      [&pathOfSegment](const LwdDeviceSegment* segment) {
        const LwtTrenchPath* const* path = pathOfSegment.Find(segment);
        return path == nullptr ? nullptr : *path;
      },
      [&tagById](const LwdDevicePointObject* pointObject) {
        return pointObject != nullptr && pointObject->getClassId() == kClassManhole &&
               tagById.Find(pointObject->getPersistentID()) != nullptr;
      });
  builder.Reserve(segments);
  for (const SectionChains& record : sectionChains) {
    for (const SegmentChain& chain : record.chains) {
      for (const LwdDeviceSegment* segment : chain) builder.Place(segment);
    }
  }
  return builder.TakeRuns();
}

}  // namespace

void LmWsSosiExportUI::ReadOverviewFiles(const LwdDeviceSet* exportSet, const std::vector<std::wstring>& paths,
                                         const SectionChainList& sectionChains, PointObjectTagMap& pointObjectTags,
                                         PipeTagMap& pipeTags, PipeRuns& pipeRuns) const {
  if (exportSet == nullptr || paths.empty()) return;
  OverviewLookup lookup;
  for (const std::wstring& path : paths) ReadOverviewFile(path, lookup);

  for (int i = 0; i < exportSet->numDevices(); ++i) {
    const LwdDevicePointObject* pointObject = AsMappedPointObject(exportSet->getDevice(i));
    if (pointObject == nullptr) continue;
    if (const OverviewTagView* tag = lookup.FindManholeTag(pointObject->getName())) {
      pointObjectTags[pointObject->getPersistentID()] = tag->text;
    }
  }

  for (auto& run : CutRuns(sectionChains, pointObjectTags)) {
    MatchRun(run, lookup, pipeTags);
    pipeRuns.push_back(std::move(run));
  }
}
