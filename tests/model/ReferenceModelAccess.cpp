#include "ReferenceModelAccess.h"

#include <cmath>
#include <map>

#include "OverviewContents.h"

namespace reference {
namespace {

using Segments = std::vector<const LwdDeviceSegment*>;

constexpr double kFar = 9999999999999.9;

const LwdDevicePointObject* PointObjectOf(const LwdDevice* device, bool pipeJointsToo) {
  if (device == nullptr) return nullptr;
  const WsClassId id = device->getClassId();
  const bool wanted = pipeJointsToo ? IsPointObjectClass(id) : IsMappedPointObjectClass(id);
  return wanted ? dynamic_cast<const LwdDevicePointObject*>(device) : nullptr;
}

void Add(LwdDeviceSet& set, const LwdDevice* device) {
  if (device == nullptr) return;
  for (int i = 0; i < set.numDevices(); ++i) {
    if (set.getDevice(i) == device) return;
  }
  set.addDevice(device);
}

std::vector<Segments> ChainEdge(Segments remaining, Tally& tally) {
  std::vector<Segments> chains;
  while (!remaining.empty()) {
    bool grown = false;
    for (Segments& chain : chains) {
      const LwdDevicePointObject* end = chain.back()->getEndDevicePointObject();
      if (end == nullptr) continue;
      for (auto it = remaining.begin(); it != remaining.end(); ++it) {
        if ((*it)->getStartDevicePointObject() == end) {
          chain.push_back(*it);
          remaining.erase(it);
          grown = true;
          break;
        }
      }
      if (grown) break;
    }
    if (!grown) {
      chains.push_back({remaining.front()});
      remaining.erase(remaining.begin());
    }
  }
  std::vector<Segments> joined;
  for (const Segments& chain : chains) {
    const LwdDevicePointObject* end = chain.back()->getEndDevicePointObject();
    bool placed = false;
    for (Segments& target : joined) {
      if (end != nullptr && target.front()->getStartDevicePointObject() == end) {
        target.insert(target.begin(), chain.begin(), chain.end());
        placed = true;
        ++tally.chainsJoined;
        break;
      }
    }
    if (!placed) joined.push_back(chain);
  }
  return joined;
}

void CollectPath(const LwtTrenchPath& path, const LwcTrSectionDevSegmentLinkSet& sectionLinks,
                 const LwcNodePointObjectLinkSet& nodeLinks, LwdDeviceSet& exportSet, SectionChainList& sectionChains,
                 Tally& tally) {
  Segments pathSegments;
  std::vector<const LwtTrenchNode*> nodes;
  for (int e = 0; e < path.numEdges(); ++e) {
    const LwtTrenchEdge* edge = path.getEdge(e);
    if (edge == nullptr || edge->getTrenchSection() == nullptr) continue;
    SectionChains record;
    record.section = edge->getTrenchSection();
    if (e == 0 && edge->getStartNode() != nullptr) nodes.push_back(edge->getStartNode());
    if (edge->getEndNode() != nullptr) nodes.push_back(edge->getEndNode());
    Segments edgeSegments;
    for (int i = 0; i < sectionLinks.numLinks(record.section); ++i) {
      const LwdDeviceSegment* segment = sectionLinks.getDeviceSegment(i, record.section);
      if (segment == nullptr) continue;
      pathSegments.push_back(segment);
      Add(exportSet, segment);
      edgeSegments.push_back(segment);
    }
    record.chains = ChainEdge(edgeSegments, tally);
    sectionChains.push_back(record);
  }
  for (const LwdDeviceSegment* segment : pathSegments) {
    Add(exportSet, segment->getStartDevicePointObject());
    Add(exportSet, segment->getEndDevicePointObject());
  }
  for (const LwtTrenchNode* node : nodes) {
    for (int i = 0; i < nodeLinks.numLinks(node); ++i) {
      const LwdDevicePointObject* pointObject = nodeLinks.getDevicePointObject(i, node);
      if (pointObject != nullptr && pointObject->numDeviceSegmentStarts() == 0 &&
          pointObject->numDeviceSegmentEnds() == 0) {
        Add(exportSet, pointObject);
      }
    }
  }
}

void AddNodePosition(const LwtTrenchNode* node, std::vector<WSVertex>& vertices) {
  if (node == nullptr || node->getTrenchConnectionPoint() == nullptr ||
      node->getTrenchConnectionPoint()->getPoint() == nullptr) {
    return;
  }
  const GmiPosition& position = node->getTrenchConnectionPoint()->getPoint()->getPosition();
  WSVertex vertex;
  vertex.x = position.getX();
  vertex.y = position.getY();
  vertices.push_back(vertex);
}

std::vector<WSVertex> VertexList(const LwtTrenchPath& path, const LwcTrSectionDevSegmentLinkSet& sectionLinks) {
  std::vector<WSVertex> vertices;
  for (int e = 0; e < path.numEdges(); ++e) {
    const LwtTrenchEdge* edge = path.getEdge(e);
    if (edge == nullptr || edge->getTrenchSection() == nullptr) continue;
    if (e == 0) AddNodePosition(edge->getStartNode(), vertices);
    AddNodePosition(edge->getEndNode(), vertices);
    for (int i = 0; i < sectionLinks.numLinks(edge->getTrenchSection()); ++i) {
      const LwdDeviceSegment* segment = sectionLinks.getDeviceSegment(i, edge->getTrenchSection());
      if (segment == nullptr) continue;
      for (const WSVertex& vertex : segment->getWSCurve()->GetHorVertices()) vertices.push_back(vertex);
    }
  }
  return vertices;
}

double Distance(const LwdDevicePointObject& pointObject, const std::vector<WSVertex>& vertices) {
  if (pointObject.getRelPoint() == nullptr || vertices.empty()) return kFar;
  const GmiPosition& position = pointObject.getRelPoint()->getPosition();
  double least = 0;
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    const double dx = position.getX() - vertices[i].x;
    const double dy = position.getY() - vertices[i].y;
    const double distance = std::sqrt(dx * dx + dy * dy);
    if (i == 0 || distance < least) least = distance;
  }
  return least;
}

double Distance(const LwdDevicePointObject& pointObject, const std::vector<std::vector<WSVertex>>& lists) {
  double least = 0;
  for (std::size_t i = 0; i < lists.size(); ++i) {
    const double distance = Distance(pointObject, lists[i]);
    if (i == 0 || distance < least) least = distance;
  }
  return least;
}

int Kind(const LwdDeviceSegment* x, const LwdDeviceSegment* y) {
  const auto* xs = x->getStartDevicePointObject();
  const auto* xe = x->getEndDevicePointObject();
  const auto* ys = y->getStartDevicePointObject();
  const auto* ye = y->getEndDevicePointObject();
  if (xe != nullptr && ys != nullptr && xe == ys) return 1;
  if (xs != nullptr && ye != nullptr && xs == ye) return 2;
  if (xs != nullptr && ys != nullptr && xs == ys) return 3;
  if (xe != nullptr && ye != nullptr && xe == ye) return 4;
  return 0;
}

const OverviewTag* FirstTag(const std::vector<OverviewTag>& tags, const std::wstring& shortName) {
  for (const OverviewTag& tag : tags) {
    if (tag.shortName == shortName) return &tag;
  }
  return nullptr;
}

}  // namespace

bool AssembleDeviceSet(const LwtTrenchTopologySet* topology, const LwcTrSectionDevSegmentLinkSet* sectionLinks,
                       LwdDeviceSet* exportSet, SectionChainList& sectionChains, const LwdDeviceSet* modelSet,
                       const std::vector<int>& selectedIds, const LwcNodePointObjectLinkSet* nodeLinks, Tally& tally) {
  if (exportSet == nullptr || modelSet == nullptr || sectionLinks == nullptr || selectedIds.empty()) return false;
  std::vector<const LwtTrenchPath*> selected;
  std::vector<const LwtTrenchPath*> unselected;
  for (int i = 0; topology != nullptr && i < topology->numTopologyObjects(); ++i) {
    const LwtWSTrenchPersistent* object = topology->getTopologyObject(i);
    if (object == nullptr || object->getClassId() != kClassTrenchPath) continue;
    const auto* path = dynamic_cast<const LwtTrenchPath*>(object);
    bool isSelected = false;
    for (int id : selectedIds) isSelected = isSelected || id == path->getPersistentID();
    if (isSelected) {
      if (nodeLinks != nullptr) CollectPath(*path, *sectionLinks, *nodeLinks, *exportSet, sectionChains, tally);
      selected.push_back(path);
    } else {
      unselected.push_back(path);
    }
  }
  std::vector<const LwdDevicePointObject*> freePointObjects;
  for (int i = 0; i < modelSet->numDevices(); ++i) {
    const LwdDevicePointObject* pointObject = PointObjectOf(modelSet->getDevice(i), true);
    if (pointObject != nullptr && pointObject->numDeviceSegmentStarts() == 0 &&
        pointObject->numDeviceSegmentEnds() == 0 && (nodeLinks == nullptr || nodeLinks->numLinks(pointObject) == 0)) {
      freePointObjects.push_back(pointObject);
    }
  }
  if (unselected.empty()) {
    for (const LwdDevicePointObject* pointObject : freePointObjects) Add(*exportSet, pointObject);
  } else {
    std::vector<std::vector<WSVertex>> selectedLists;
    std::vector<std::vector<WSVertex>> unselectedLists;
    for (const LwtTrenchPath* path : selected) selectedLists.push_back(VertexList(*path, *sectionLinks));
    for (const LwtTrenchPath* path : unselected) unselectedLists.push_back(VertexList(*path, *sectionLinks));
    for (const LwdDevicePointObject* pointObject : freePointObjects) {
      const double toSelected = selected.empty() ? -1.0 : Distance(*pointObject, selectedLists);
      const double toUnselected = Distance(*pointObject, unselectedLists);
      if (toUnselected == toSelected) ++tally.proximityTies;
      if (toUnselected >= toSelected) {
        Add(*exportSet, pointObject);
      } else {
        ++tally.proximityRejected;
      }
    }
  }
  return exportSet->numDevices() > 0;
}

void ReadOverviewFiles(const LwdDeviceSet* exportSet, const std::vector<std::wstring>& paths,
                       const SectionChainList& sectionChains, PointObjectTagMap& pointObjectTags, PipeTagMap& pipeTags,
                       PipeRuns& pipeRuns, Tally& tally) {
  if (exportSet == nullptr || paths.empty()) return;
  OverviewContents contents;
  for (const std::wstring& path : paths) ReadOverviewFile(path, contents);

  for (int i = 0; i < exportSet->numDevices(); ++i) {
    const LwdDevicePointObject* pointObject = PointObjectOf(exportSet->getDevice(i), false);
    if (pointObject == nullptr) continue;
    if (const OverviewTag* tag = FirstTag(contents.manholeTags, pointObject->getName())) {
      pointObjectTags[pointObject->getPersistentID()] = tag->text;
    }
  }

  std::map<const LwdDeviceSegment*, const LwtTrenchPath*> pathOf;
  for (const SectionChains& record : sectionChains) {
    const LwtTrenchPath* path = nullptr;
    if (record.section != nullptr && record.section->getTrenchEdge() != nullptr) {
      path = record.section->getTrenchEdge()->getTrenchPath();
    }
    for (const SegmentChain& chain : record.chains) {
      for (const LwdDeviceSegment* segment : chain) pathOf[segment] = path;
    }
  }

  PipeRuns runs;
  for (const SectionChains& record : sectionChains) {
    for (const SegmentChain& chain : record.chains) {
      for (const LwdDeviceSegment* segment : chain) {
        if (segment == nullptr) continue;
        int found = -1;
        bool inFront = false;
        for (int r = static_cast<int>(runs.size()) - 1; r >= 0 && found < 0; --r) {
          if (runs[r].empty()) continue;
          if (Kind(runs[r].front(), segment) == 2) {
            found = r;
            inFront = true;
          } else if (Kind(runs[r].back(), segment) == 1) {
            found = r;
          }
        }
        if (found >= 0) {
          const LwdDevicePointObject* shared =
              inFront ? segment->getEndDevicePointObject() : segment->getStartDevicePointObject();
          const bool taggedManhole =
              shared->getClassId() == kClassManhole && pointObjectTags.count(shared->getPersistentID()) > 0;
          const LwtTrenchPath* runPath = pathOf.count(runs[found].front()) ? pathOf[runs[found].front()] : nullptr;
          const LwtTrenchPath* ownPath = pathOf.count(segment) ? pathOf[segment] : nullptr;
          if (!taggedManhole && runPath != nullptr && runPath == ownPath) {
            if (inFront) {
              runs[found].insert(runs[found].begin(), segment);
              ++tally.runsExtendedInFront;
            } else {
              runs[found].push_back(segment);
              ++tally.runsExtendedAtEnd;
            }
            continue;
          }
          ++tally.runsRefused;
        }
        runs.push_back({segment});
      }
    }
  }

  for (const auto& run : runs) {
    if (run.empty()) continue;
    const LwdDevicePointObject* start = run.front()->getStartDevicePointObject();
    const LwdDevicePointObject* end = run.back()->getEndDevicePointObject();
    const OverviewTag* startTag = FirstTag(contents.manholeTags, start != nullptr ? start->getName() : L"");
    const OverviewTag* endTag = FirstTag(contents.manholeTags, end != nullptr ? end->getName() : L"");
    if (startTag == nullptr || endTag == nullptr) continue;
    const OverviewPipeLine* match = nullptr;
    bool flag = false;
    for (const OverviewPipeLine& line : contents.pipeLines) {
      if (line.first.text == endTag->text && line.second.text == startTag->text) {
        match = &line;
        break;
      }
    }
    if (match == nullptr) {
      for (const OverviewPipeLine& line : contents.pipeLines) {
        if (line.first.text == startTag->text && line.second.text == endTag->text) {
          match = &line;
          flag = true;
          break;
        }
      }
    }
    if (match == nullptr) continue;
    pipeTags[run.front()->getPersistentID()] = {match->pipe.text, flag};
    ++(flag ? tally.pipeTagsStartFirst : tally.pipeTagsEndFirst);
  }
  pipeRuns.insert(pipeRuns.end(), runs.begin(), runs.end());
}

}  // namespace reference
