#include "WsModelStore.h"

WsModelStore::WsModelStore() : empty_(Text(std::wstring_view())) {}

WsModelStore::~WsModelStore() = default;

const std::wstring* WsModelStore::Text(std::wstring_view text) { return texts_.Intern(text); }

const std::wstring* WsModelStore::OwnText(std::wstring text) { return &ownTexts_.emplace_back(std::move(text)); }

LwdPipe* WsModelStore::AddPipe(int id, std::wstring_view name, std::wstring_view type, std::wstring_view material,
                               std::wstring_view shortMaterial) {
  return AddPipe(id, Text(name), Text(type), Text(material), Text(shortMaterial));
}

LwdPipe* WsModelStore::AddPipe(int id, const std::wstring* name, const std::wstring* type,
                               const std::wstring* material, const std::wstring* shortMaterial) {
  LwdPipe* pipe = &pipes_.emplace_back(LwdPipe(id, name, type, material, shortMaterial, &info_));
  devices_.push_back(pipe);
  return pipe;
}

void WsModelStore::SetPipeDimension(LwdPipe* pipe, int millimetres) {
  pipe->dimension_ = millimetres;
  pipe->hasDimension_ = true;
}

LwdDeviceSegment* WsModelStore::AddSegment(LwdPipe* pipe, int id, std::vector<WSVertex> vertices) {
  LwdDeviceSegment* segment = &segments_.emplace_back(LwdDeviceSegment(id, pipe, WSCurve(std::move(vertices))));
  pipe->segments_.push_back(segment);
  devices_.push_back(segment);
  return segment;
}

void WsModelStore::SetSegmentEnds(LwdDeviceSegment* segment, LwdDevicePointObject* start,
                                  LwdDevicePointObject* end) {
  segment->start_ = start;
  segment->end_ = end;
  if (start != nullptr) ++start->segmentStarts_;
  if (end != nullptr) ++end->segmentEnds_;
}

LwdDevicePointObject* WsModelStore::AddPointObject(WsClassId classId, int id, std::wstring_view name,
                                                   std::wstring_view type, const GmiPosition* position) {
  return AddPointObject(classId, id, Text(name), Text(type), position);
}

LwdDevicePointObject* WsModelStore::AddPointObject(WsClassId classId, int id, const std::wstring* name,
                                                   const std::wstring* type, const GmiPosition* position) {
  LwdDevicePointObject* pointObject =
      &pointObjects_.emplace_back(LwdDevicePointObject(classId, id, name, type, empty_, &info_));
  if (position != nullptr) {
    pointObject->point_ = GmiSinglePoint(*position);
    pointObject->hasPoint_ = true;
  }
  devices_.push_back(pointObject);
  return pointObject;
}

LwdDevice* WsModelStore::AddDevice(WsClassId classId, int id, std::wstring_view name, std::wstring_view type) {
  LwdDevice* device = &otherDevices_.emplace_back(LwdDevice(classId, id, Text(name), Text(type), empty_, empty_, &info_));
  devices_.push_back(device);
  return device;
}

LwtTrenchPath* WsModelStore::AddTrenchPath(int id, std::wstring_view name, WS::WSTrenchPathType type,
                                           std::int64_t modified) {
  LwtTrenchPath* path = &paths_.emplace_back(LwtTrenchPath(id, Text(name), type, modified));
  topology_.push_back(path);
  return path;
}

LwtWSTrenchPersistent* WsModelStore::AddTopologyObject(WsClassId classId, int id) {
  LwtWSTrenchPersistent* object = &otherTopology_.emplace_back(LwtWSTrenchPersistent(classId, id));
  topology_.push_back(object);
  return object;
}

LwtTrenchNode* WsModelStore::AddTrenchNode(int id, const GmiPosition* position) {
  LwtTrenchNode* node = &nodes_.emplace_back(LwtTrenchNode(id));
  if (position != nullptr) {
    const LwtTrenchConnectionPoint* point = &connectionPoints_.emplace_back(LwtTrenchConnectionPoint(*position));
    connectionPointList_.push_back(point);
    node->connectionPoint_ = point;
  }
  return node;
}

LwtTrenchSection* WsModelStore::AddSection(int id) {
  LwtTrenchSection* section = &sections_.emplace_back(LwtTrenchSection(id));
  sectionList_.push_back(section);
  return section;
}

LwtTrenchEdge* WsModelStore::AddEdge(LwtTrenchPath* path, LwtTrenchSection* section) {
  LwtTrenchEdge* edge = &edges_.emplace_back(LwtTrenchEdge(path));
  if (section != nullptr) {
    section->edge_ = edge;
    edge->section_ = section;
  }
  path->edges_.push_back(edge);
  return edge;
}

void WsModelStore::SetEdgeNodes(LwtTrenchEdge* edge, const LwtTrenchNode* start, const LwtTrenchNode* end) {
  edge->startNode_ = start;
  edge->endNode_ = end;
}

bool WsModelStore::LinkSegments(LwtTrenchSection* section, std::span<const LwdDeviceSegment* const> segments) {
  return sectionLinks_.Add(section, segments);
}

bool WsModelStore::LinkPointObjects(LwtTrenchNode* node, std::span<LwdDevicePointObject* const> pointObjects) {
  if (!nodeLinks_.Add(node, std::span<const LwdDevicePointObject* const>(pointObjects.data(), pointObjects.size()))) {
    return false;
  }
  for (LwdDevicePointObject* pointObject : pointObjects) ++pointObject->nodeLinks_;
  return true;
}
