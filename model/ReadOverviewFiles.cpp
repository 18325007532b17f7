#include <unordered_map>

#include "LmWSModel.h"
#include "LmWsSosiExportUI.h"
#include "ModelCasts.h"
#include "OverviewFile.h"
#include "PipeRunBuilder.h"

namespace {

// The first manhole tag for each short name, and the first pipe line for each
// pair of manhole tags, as the files list them. Keys view the contents.
class OverviewLookup {
 public:
  explicit OverviewLookup(const OverviewContents& contents) : contents_(contents) {
    tagByShortName_.reserve(contents.manholeTags.size());
    for (std::size_t i = 0; i < contents.manholeTags.size(); ++i) {
      tagByShortName_.emplace(contents.manholeTags[i].shortName, i);
    }
    lineByManholes_.reserve(contents.pipeLines.size());
    for (std::size_t i = 0; i < contents.pipeLines.size(); ++i) {
      const OverviewPipeLine& line = contents.pipeLines[i];
      lineByManholes_.emplace(ManholePair(line.first.text, line.second.text), i);
    }
  }

  const OverviewTag* ManholeTag(std::wstring_view shortName) const {
    const auto found = tagByShortName_.find(shortName);
    return found == tagByShortName_.end() ? nullptr : &contents_.manholeTags[found->second];
  }

  const OverviewPipeLine* PipeLine(std::wstring_view firstTag, std::wstring_view secondTag) const {
    const auto found = lineByManholes_.find(ManholePair(firstTag, secondTag));
    return found == lineByManholes_.end() ? nullptr : &contents_.pipeLines[found->second];
  }

 private:
  using ManholePair = std::pair<std::wstring_view, std::wstring_view>;
  struct PairHash {
    std::size_t operator()(const ManholePair& pair) const {
      const std::hash<std::wstring_view> hash;
      return hash(pair.first) * 31 + hash(pair.second);
    }
  };

  const OverviewContents& contents_;
  std::unordered_map<std::wstring_view, std::size_t> tagByShortName_;
  std::unordered_map<ManholePair, std::size_t, PairHash> lineByManholes_;
};

const std::wstring& NameOf(const LwdDevicePointObject* pointObject) {
  static const std::wstring none;
  return pointObject != nullptr ? pointObject->getName() : none;
}

// A pipe line listing the run's end manhole first matches with the flag
// false; one listing its start manhole first, with true.
void MatchRun(const std::vector<const LwdDeviceSegment*>& run, const OverviewLookup& lookup, PipeTagMap& pipeTags) {
  if (run.empty()) return;
  const OverviewTag* startTag = lookup.ManholeTag(NameOf(run.front()->getStartDevicePointObject()));
  const OverviewTag* endTag = lookup.ManholeTag(NameOf(run.back()->getEndDevicePointObject()));
  if (startTag == nullptr || endTag == nullptr) return;
  bool startFirst = false;
  const OverviewPipeLine* line = lookup.PipeLine(endTag->text, startTag->text);
  if (line == nullptr) {
    line = lookup.PipeLine(startTag->text, endTag->text);
    startFirst = true;
  }
  if (line == nullptr) return;
  pipeTags[run.front()->getPersistentID()] = {line->pipe.text, startFirst};
}

}  // namespace

void LmWsSosiExportUI::ReadOverviewFiles(const LwdDeviceSet* exportSet, const std::vector<std::wstring>& paths,
                                         const SectionChainList& sectionChains, PointObjectTagMap& pointObjectTags,
                                         PipeTagMap& pipeTags, PipeRuns& pipeRuns) const {
  if (exportSet == nullptr || paths.empty()) return;
  OverviewContents contents;
  for (const std::wstring& path : paths) ReadOverviewFile(path, contents);
  const OverviewLookup lookup(contents);

  for (int i = 0; i < exportSet->numDevices(); ++i) {
    const LwdDevicePointObject* pointObject = AsMappedPointObject(exportSet->getDevice(i));
    if (pointObject == nullptr) continue;
    if (const OverviewTag* tag = lookup.ManholeTag(pointObject->getName())) {
      pointObjectTags[pointObject->getPersistentID()] = tag->text;
    }
  }

  std::unordered_map<const LwdDeviceSegment*, const LwtTrenchPath*> pathOfSegment;
  for (const SectionChains& record : sectionChains) {
    const LwtTrenchEdge* edge = record.section != nullptr ? record.section->getTrenchEdge() : nullptr;
    const LwtTrenchPath* path = edge != nullptr ? edge->getTrenchPath() : nullptr;
    for (const SegmentChain& chain : record.chains) {
      for (const LwdDeviceSegment* segment : chain) pathOfSegment[segment] = path;
    }
  }

  PipeRunBuilder builder(
      [&pathOfSegment](const LwdDeviceSegment* segment) {
        const auto found = pathOfSegment.find(segment);
        return found == pathOfSegment.end() ? nullptr : found->second;
      },
      [&pointObjectTags](const LwdDevicePointObject* pointObject) {
        return pointObject != nullptr && pointObject->getClassId() == kClassManhole &&
               pointObjectTags.contains(pointObject->getPersistentID());
      });
  for (const SectionChains& record : sectionChains) {
    for (const SegmentChain& chain : record.chains) {
      for (const LwdDeviceSegment* segment : chain) builder.Place(segment);
    }
  }
  for (auto& run : builder.TakeRuns()) {
    MatchRun(run, lookup, pipeTags);
    pipeRuns.push_back(std::move(run));
  }
}
