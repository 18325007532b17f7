#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <utility>
#include <vector>

#include "FlatHashIndex.h"
#include "LmWSModel.h"
#include "LmWsSosiExportUI.h"
#include "ModelCasts.h"
#include "OverviewLookup.h"
#include "PipeRunBuilder.h"
#include "WideText.h"

namespace {

const std::wstring& NameOf(const LwdDevicePointObject* pointObject) {
  static const std::wstring none;
  return pointObject != nullptr ? pointObject->getName() : none;
}

template <typename Value>
using IdPairs = std::vector<std::pair<int, Value>>;

std::wstring Wide(std::string_view utf8) { return platform::FromUtf8(utf8); }
std::pair<std::wstring, bool> Wide(const std::pair<std::string_view, bool>& tag) {
  return {platform::FromUtf8(tag.first), tag.second};
}

// Puts the pairs into the map in the order of their ids, each at the map's
// end rather than at a place searched for through a tree of a city's
// hundred thousand; of pairs with the same id the last one stays, as when
// they are assigned one after the other.
template <typename Value, typename Map>
void AssignInIdOrder(IdPairs<Value>& pairs, Map& map) {
  std::stable_sort(pairs.begin(), pairs.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [id, value] : pairs) map.insert_or_assign(map.end(), id, Wide(value));
}

// A pipe line listing the run's end manhole first matches with the flag
// false; one listing its start manhole first, with true.
void MatchRun(const std::vector<const LwdDeviceSegment*>& run, const OverviewLookup& lookup,
              IdPairs<std::pair<std::string_view, bool>>& pipeTags) {
  if (run.empty()) return;
  const std::uint32_t startTag = lookup.FindManholeTag(NameOf(run.front()->getStartDevicePointObject()));
  const std::uint32_t endTag = lookup.FindManholeTag(NameOf(run.back()->getEndDevicePointObject()));
  if (startTag == OverviewLookup::kNone || endTag == OverviewLookup::kNone) return;
  bool startFirst = false;
  std::string_view pipe = lookup.FindPipeLine(endTag, startTag);
  if (pipe.empty()) {
    pipe = lookup.FindPipeLine(startTag, endTag);
    startFirst = true;
  }
  if (pipe.empty()) return;
  pipeTags.push_back({run.front()->getPersistentID(), {pipe, startFirst}});
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
  // Placing is done: the tables it asked are let go before the runs are
  // handed over, the highest point of the export's memory.
  pathOfSegment = {};
  tagById = {};
  return builder.TakeRuns();
}

}  // namespace

void LmWsSosiExportUI::ReadOverviewFiles(const LwdDeviceSet* exportSet, const std::vector<std::wstring>& paths,
                                         const SectionChainList& sectionChains, PointObjectTagMap& pointObjectTags,
                                         PipeTagMap& pipeTags, PipeRuns& pipeRuns) const {
  if (exportSet == nullptr || paths.empty()) return;
  OverviewLookup lookup;
  for (const std::wstring& path : paths) ReadOverviewFile(path, lookup);
  lookup.EndOfFiles();

  {
    IdPairs<std::string_view> manholeTags;
    for (int i = 0; i < exportSet->numDevices(); ++i) {
      const LwdDevicePointObject* pointObject = AsMappedPointObject(exportSet->getDevice(i));
      if (pointObject == nullptr) continue;
      if (const std::uint32_t tag = lookup.FindManholeTag(pointObject->getName()); tag != OverviewLookup::kNone) {
        manholeTags.push_back({pointObject->getPersistentID(), lookup.ManholeTagText(tag)});
      }
    }
    AssignInIdOrder(manholeTags, pointObjectTags);
  }

  PipeRuns runs = CutRuns(sectionChains, pointObjectTags);
  IdPairs<std::pair<std::string_view, bool>> runTags;
  for (const auto& run : runs) MatchRun(run, lookup, runTags);
  AssignInIdOrder(runTags, pipeTags);
  if (pipeRuns.empty()) {
    pipeRuns = std::move(runs);
  } else {
    pipeRuns.insert(pipeRuns.end(), std::make_move_iterator(runs.begin()), std::make_move_iterator(runs.end()));
  }
}
