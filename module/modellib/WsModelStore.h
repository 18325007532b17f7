#pragma once
// Owns every object of one loaded network model: devices, trench objects,
// texts and links. The model file reader fills a store; LmWSMapper hands it
// to the sets it makes, which share it, so the objects live as long as any of
// those sets. Objects are stored by value in deques (stable addresses, no
// allocation per object), and texts that repeat once each.
//
// Tests and tools may build a model in code with the Add/Set/Link operations
// and map it like a loaded one. Each object is wired once: a segment's ends,
// an edge's nodes, a section's or node's links.

#include <cstddef>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "GmiPosition.h"
#include "LinkIndex.h"
#include "LwdDevice.h"
#include "LwdDevicePointObject.h"
#include "LwdDeviceSegment.h"
#include "LwdPipe.h"
#include "LwtTrenchConnectionPoint.h"
#include "LwtTrenchEdge.h"
#include "LwtTrenchNode.h"
#include "LwtTrenchPath.h"
#include "LwtTrenchSection.h"
#include "TextPool.h"
#include "WSCurve.h"

class WsModelStore {
 public:
  WsModelStore();
  ~WsModelStore();
  WsModelStore(const WsModelStore&) = delete;
  WsModelStore& operator=(const WsModelStore&) = delete;

  // What the model says about itself; every device of the store points at it.
  LwdModelInfo& ModelInfo() { return info_; }

  // The one shared copy of `text`.
  const std::wstring* Text(std::wstring_view text);
  // A copy of `text` for one object alone, for texts that are nearly all
  // distinct (the names of point objects): looking them up would find nothing.
  const std::wstring* OwnText(std::wstring text);

  // Devices, appended to the model's device list in call order.
  LwdPipe* AddPipe(int id, std::wstring_view name, std::wstring_view type, std::wstring_view material,
                   std::wstring_view shortMaterial);
  void SetPipeDimension(LwdPipe* pipe, int millimetres);
  LwdDeviceSegment* AddSegment(LwdPipe* pipe, int id, std::vector<WSVertex> vertices);
  // Either end may be null; counts the segment at the point objects it names.
  void SetSegmentEnds(LwdDeviceSegment* segment, LwdDevicePointObject* start, LwdDevicePointObject* end);
  // `position` null: the point object has none.
  LwdDevicePointObject* AddPointObject(WsClassId classId, int id, std::wstring_view name, std::wstring_view type,
                                       const GmiPosition* position);
  LwdDevice* AddDevice(WsClassId classId, int id, std::wstring_view name, std::wstring_view type);
  // The same with texts that this store gave out (Text).
  LwdPipe* AddPipe(int id, const std::wstring* name, const std::wstring* type, const std::wstring* material,
                   const std::wstring* shortMaterial);
  LwdDevicePointObject* AddPointObject(WsClassId classId, int id, const std::wstring* name, const std::wstring* type,
                                       const GmiPosition* position);

  // Topology objects, appended to the topology list in call order.
  LwtTrenchPath* AddTrenchPath(int id, std::wstring_view name, WS::WSTrenchPathType type, std::int64_t modified);
  LwtWSTrenchPersistent* AddTopologyObject(WsClassId classId, int id);

  // `position` null: a node without a connection point.
  LwtTrenchNode* AddTrenchNode(int id, const GmiPosition* position);
  LwtTrenchSection* AddSection(int id);
  // Appends an edge to the path; `section` (null: none) belongs to this edge alone.
  LwtTrenchEdge* AddEdge(LwtTrenchPath* path, LwtTrenchSection* section);
  void SetEdgeNodes(LwtTrenchEdge* edge, const LwtTrenchNode* start, const LwtTrenchNode* end);

  // False when the section (node) already has its links.
  bool LinkSegments(LwtTrenchSection* section, std::span<const LwdDeviceSegment* const> segments);
  bool LinkPointObjects(LwtTrenchNode* node, std::span<LwdDevicePointObject* const> pointObjects);

  const std::vector<const LwdDevice*>& Devices() const { return devices_; }
  const std::vector<const LwtWSTrenchPersistent*>& TopologyObjects() const { return topology_; }
  const std::vector<const LwtTrenchSection*>& Sections() const { return sectionList_; }
  const std::vector<const LwtTrenchConnectionPoint*>& ConnectionPoints() const { return connectionPointList_; }
  const LinkIndex<LwtTrenchSection, LwdDeviceSegment>& SectionLinks() const { return sectionLinks_; }
  const LinkIndex<LwtTrenchNode, LwdDevicePointObject>& NodeLinks() const { return nodeLinks_; }
  // How many trench nodes link the point object.
  int NodeLinkCount(const LwdDevicePointObject* pointObject) const { return pointObject->nodeLinks_; }

 private:
  LwdModelInfo info_;
  TextPool texts_;
  std::deque<std::wstring> ownTexts_;
  const std::wstring* empty_;

  std::deque<LwdPipe> pipes_;
  std::deque<LwdDeviceSegment> segments_;
  std::deque<LwdDevicePointObject> pointObjects_;
  std::deque<LwdDevice> otherDevices_;
  std::vector<const LwdDevice*> devices_;

  std::deque<LwtTrenchPath> paths_;
  std::deque<LwtWSTrenchPersistent> otherTopology_;
  std::vector<const LwtWSTrenchPersistent*> topology_;
  std::deque<LwtTrenchEdge> edges_;
  std::deque<LwtTrenchSection> sections_;
  std::vector<const LwtTrenchSection*> sectionList_;
  std::deque<LwtTrenchNode> nodes_;
  std::deque<LwtTrenchConnectionPoint> connectionPoints_;
  std::vector<const LwtTrenchConnectionPoint*> connectionPointList_;

  LinkIndex<LwtTrenchSection, LwdDeviceSegment> sectionLinks_;
  LinkIndex<LwtTrenchNode, LwdDevicePointObject> nodeLinks_;
};
