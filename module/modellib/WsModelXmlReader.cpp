#include "WsModelXmlReader.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "GmiGeodataSet.h"
#include "WideText.h"
#include "WsModelStore.h"

namespace {

using Kind = XMLRead_IDTable::Kind;

constexpr std::string_view kBlanks = " \t\r\n";

struct PointObjectElement {
  const char* name;
  WsClassId classId;
};

constexpr PointObjectElement kPointObjectElements[] = {
    {"Gully", kClassGully},     {"Fitting", kClassFitting}, {"Hydrant", kClassHydrant},     {"Outlet", kClassOutlet},
    {"Manhole", kClassManhole}, {"Valve", kClassValve},     {"PipeJoint", kClassPipeJoint},
};

std::optional<WsClassId> PointObjectClass(const char* element) {
  for (const PointObjectElement& known : kPointObjectElements) {
    if (std::strcmp(known.name, element) == 0) return known.classId;
  }
  return std::nullopt;
}

// Classes that have elements of their own may not be claimed by `Device` or
// `TrenchObject`: callers take an object of such a class for its subclass.
bool HasOwnElement(WsClassId id) {
  return IsPointObjectClass(id) || id == kClassPipe || id == kClassDeviceSegment || id == kClassTrenchPath ||
         id == kClassTrenchEdge || id == kClassTrenchSection || id == kClassTrenchNode ||
         id == kClassTrenchConnectionPoint;
}

const char* KindName(Kind kind) {
  switch (kind) {
    case Kind::Pipe:
      return "pipe";
    case Kind::Segment:
      return "device segment";
    case Kind::PointObject:
      return "point object";
    case Kind::Device:
      return "device";
    case Kind::TrenchPath:
      return "trench path";
    case Kind::TrenchObject:
      return "topology object";
    case Kind::TrenchSection:
      return "trench section";
    case Kind::TrenchNode:
      return "trench node";
  }
  return "object";
}

std::string_view Trimmed(const char* text) {
  std::string_view view(text);
  const auto first = view.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return view.substr(first, view.find_last_not_of(kBlanks) - first + 1);
}

std::wstring Wide(const pugi::xml_attribute& attribute) { return platform::FromUtf8(attribute.value()); }

class Reader {
 public:
  Reader(XMLRead_IDTable& ids, const SourceLines& lines)
      : store_(std::make_shared<WsModelStore>()), ids_(ids), lines_(lines) {}

  std::unique_ptr<GmiGeodataSet> Read(const pugi::xml_node& root) {
    CheckDocumentElement(root);
    int composites = 0;
    for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling()) {
      if (child.type() != pugi::node_element) continue;
      ++composites;
      Define(child);
    }
    ResolveSegmentEnds();
    ResolveEdges();
    ResolveNodeLinks();
    return std::make_unique<GmiGeodataSet>(store_, composites);
  }

 private:
  [[noreturn]] static void Fail(const pugi::xml_node& node, const std::string& problem) {
    throw ModelFileProblem(node.offset_debug(), problem);
  }

  static void CheckDocumentElement(const pugi::xml_node& root) {
    if (std::strcmp(root.name(), "WsModel") != 0) {
      Fail(root, std::string("the document element is ") + root.name() + ", not WsModel");
    }
    const pugi::xml_attribute version = root.attribute("version");
    if (!version) Fail(root, "WsModel has no version");
    if (Trimmed(version.value()) != "1") {
      Fail(root, std::string("version \"") + version.value() + "\" is not supported, only version 1");
    }
  }

  void Define(const pugi::xml_node& node) {
    const char* name = node.name();
    if (const std::optional<WsClassId> classId = PointObjectClass(name)) {
      DefinePointObject(node, *classId);
    } else if (std::strcmp(name, "Pipe") == 0) {
      DefinePipe(node);
    } else if (std::strcmp(name, "Device") == 0) {
      const int id = Id(node);
      Register(node, id, Kind::Device, store_->AddDevice(ClassAttribute(node), id, Wide(node.attribute("name")),
                                                         Wide(node.attribute("type"))));
    } else if (std::strcmp(name, "TrenchPath") == 0) {
      DefineTrenchPath(node);
    } else if (std::strcmp(name, "TrenchNode") == 0) {
      const int id = Id(node);
      const std::optional<GmiPosition> position = Position(node);
      LwtTrenchNode* trenchNode = store_->AddTrenchNode(id, position ? &*position : nullptr);
      Register(node, id, Kind::TrenchNode, trenchNode);
      nodeRefs_.emplace_back(node, trenchNode);
    } else if (std::strcmp(name, "TrenchObject") == 0) {
      const int id = Id(node);
      Register(node, id, Kind::TrenchObject, store_->AddTopologyObject(ClassAttribute(node), id));
    }
  }

  void DefinePointObject(const pugi::xml_node& node, WsClassId classId) {
    const int id = Id(node);
    const std::optional<GmiPosition> position = Position(node);
    Register(node, id, Kind::PointObject,
             store_->AddPointObject(classId, id, Wide(node.attribute("name")), Wide(node.attribute("type")),
                                    position ? &*position : nullptr));
  }

  void DefinePipe(const pugi::xml_node& node) {
    const int id = Id(node);
    LwdPipe* pipe = store_->AddPipe(id, Wide(node.attribute("name")), Wide(node.attribute("type")),
                                    Wide(node.attribute("material")), Wide(node.attribute("shortMaterial")));
    Register(node, id, Kind::Pipe, pipe);
    if (const pugi::xml_attribute dimension = node.attribute("dimension")) {
      store_->SetPipeDimension(pipe, Integer<int>(node, dimension));
    }
    for (pugi::xml_node segment = node.child("Segment"); segment; segment = segment.next_sibling("Segment")) {
      DefineSegment(pipe, segment);
    }
  }

  void DefineSegment(LwdPipe* pipe, const pugi::xml_node& node) {
    const int id = Id(node);
    std::size_t count = 0;
    for (pugi::xml_node vertex = node.child("V"); vertex; vertex = vertex.next_sibling("V")) ++count;
    if (count < 2) Fail(node, "segment " + std::to_string(id) + " has fewer than two vertices");
    std::vector<WSVertex> vertices;
    vertices.reserve(count);
    for (pugi::xml_node vertex = node.child("V"); vertex; vertex = vertex.next_sibling("V")) {
      WSVertex& added = vertices.emplace_back();
      added.x = Number(vertex, RequiredAttribute(vertex, "x"));
      added.y = Number(vertex, RequiredAttribute(vertex, "y"));
      if (const pugi::xml_attribute z = vertex.attribute("z")) {
        added.z = Number(vertex, z);
        added.hasZ = true;
      }
    }
    LwdDeviceSegment* segment = store_->AddSegment(pipe, id, std::move(vertices));
    Register(node, id, Kind::Segment, segment);
    segmentRefs_.emplace_back(node, segment);
  }

  void DefineTrenchPath(const pugi::xml_node& node) {
    const int id = Id(node);
    const pugi::xml_attribute type = node.attribute("type");
    const pugi::xml_attribute modified = node.attribute("modified");
    LwtTrenchPath* path = store_->AddTrenchPath(id, Wide(node.attribute("name")), type ? Integer<int>(node, type) : 0,
                                                modified ? Integer<std::int64_t>(node, modified) : 0);
    Register(node, id, Kind::TrenchPath, path);
    for (pugi::xml_node edge = node.child("Edge"); edge; edge = edge.next_sibling("Edge")) {
      LwtTrenchSection* section = nullptr;
      if (const pugi::xml_attribute sectionId = edge.attribute("section")) {
        const int id = Id(edge, sectionId);
        section = store_->AddSection(id);
        Register(edge, id, Kind::TrenchSection, section);
      }
      edgeRefs_.emplace_back(edge, store_->AddEdge(path, section));
    }
  }

  void ResolveSegmentEnds() {
    for (const auto& [node, segment] : segmentRefs_) {
      store_->SetSegmentEnds(segment, OptionalReference<LwdDevicePointObject>(node, "start", Kind::PointObject),
                             OptionalReference<LwdDevicePointObject>(node, "end", Kind::PointObject));
    }
  }

  void ResolveEdges() {
    std::vector<const LwdDeviceSegment*> segments;
    for (const auto& [node, edge] : edgeRefs_) {
      store_->SetEdgeNodes(edge, OptionalReference<LwtTrenchNode>(node, "from", Kind::TrenchNode),
                           OptionalReference<LwtTrenchNode>(node, "to", Kind::TrenchNode));
      const pugi::xml_attribute list = node.attribute("segments");
      if (!list) continue;
      if (edge->getTrenchSection() == nullptr) Fail(node, "an edge without section cannot hold segments");
      ReferenceList(node, list, Kind::Segment, segments);
      store_->LinkSegments(edge->getTrenchSection(), segments);
    }
  }

  void ResolveNodeLinks() {
    std::vector<const LwdDevicePointObject*> pointObjects;
    for (const auto& [node, trenchNode] : nodeRefs_) {
      const pugi::xml_attribute list = node.attribute("objects");
      if (!list) continue;
      ReferenceList(node, list, Kind::PointObject, pointObjects);
      store_->LinkPointObjects(trenchNode, pointObjects);
    }
  }

  void Register(const pugi::xml_node& node, int id, Kind kind, void* object) {
    const std::ptrdiff_t offset = node.offset_debug();
    if (ids_.addId(id, kind, object, offset < 0 ? 0 : static_cast<std::size_t>(offset))) return;
    Fail(node, "duplicate id " + std::to_string(id) + " (first defined on line " +
                   std::to_string(lines_.LineOf(ids_.findId(id)->offset)) + ")");
  }

  // The object that `id` names, which must be of `kind`; `what` names the reference in messages.
  void* Resolve(const pugi::xml_node& node, const std::string& what, int id, Kind kind) const {
    const XMLRead_IDTable::Entry* entry = ids_.findId(id);
    if (entry == nullptr) Fail(node, std::string("unknown ") + KindName(kind) + " " + std::to_string(id));
    if (entry->kind != kind) Fail(node, what + " " + std::to_string(id) + " is not a " + KindName(kind));
    return entry->object;
  }

  template <typename T>
  T* OptionalReference(const pugi::xml_node& node, const char* attributeName, Kind kind) const {
    const pugi::xml_attribute attribute = node.attribute(attributeName);
    if (!attribute) return nullptr;
    return static_cast<T*>(Resolve(node, attributeName, Id(node, attribute), kind));
  }

  template <typename T>
  void ReferenceList(const pugi::xml_node& node, const pugi::xml_attribute& list, Kind kind,
                     std::vector<const T*>& objects) const {
    objects.clear();
    std::string_view rest(list.value());
    const std::string what = std::string(list.name()) + ":";
    while (true) {
      const auto first = rest.find_first_not_of(kBlanks);
      if (first == std::string_view::npos) break;
      rest.remove_prefix(first);
      const std::string_view item = rest.substr(0, rest.find_first_of(kBlanks));
      rest.remove_prefix(item.size());
      objects.push_back(static_cast<const T*>(Resolve(node, what, ParseId(node, list.name(), item), kind)));
    }
  }

  static const pugi::xml_attribute RequiredAttribute(const pugi::xml_node& node, const char* name) {
    const pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) Fail(node, std::string(node.name()) + " has no " + name);
    return attribute;
  }

  static int Id(const pugi::xml_node& node) { return Id(node, RequiredAttribute(node, "id")); }

  static int Id(const pugi::xml_node& node, const pugi::xml_attribute& attribute) {
    return ParseId(node, attribute.name(), Trimmed(attribute.value()));
  }

  static int ParseId(const pugi::xml_node& node, const char* attributeName, std::string_view text) {
    const int id = Parse<int>(node, attributeName, text);
    if (id <= 0) Fail(node, std::string(attributeName) + " " + std::string(text) + " is not a positive id");
    return id;
  }

  template <typename T>
  static T Integer(const pugi::xml_node& node, const pugi::xml_attribute& attribute) {
    return Parse<T>(node, attribute.name(), Trimmed(attribute.value()));
  }

  // Coordinates and heights. Beyond a million kilometres a value is no place
  // on Earth, and whole centimetres of it would no longer fit the integers
  // that the SOSI file is written with.
  static double Number(const pugi::xml_node& node, const pugi::xml_attribute& attribute) {
    constexpr double kFarthest = 1e9;
    const double value = Parse<double>(node, attribute.name(), Trimmed(attribute.value()));
    if (!std::isfinite(value)) BadNumber(node, attribute.name(), attribute.value());
    if (std::fabs(value) > kFarthest) {
      Fail(node, std::string(attribute.name()) + " " + std::string(Trimmed(attribute.value())) +
                     " is out of range (more than 1e9 metres)");
    }
    return value;
  }

  template <typename T>
  static T Parse(const pugi::xml_node& node, const char* attributeName, std::string_view text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) BadNumber(node, attributeName, text);
    return value;
  }

  [[noreturn]] static void BadNumber(const pugi::xml_node& node, const char* attributeName, std::string_view text) {
    Fail(node, "bad number \"" + std::string(text) + "\" in " + attributeName);
  }

  static WsClassId ClassAttribute(const pugi::xml_node& node) {
    const pugi::xml_attribute attribute = RequiredAttribute(node, "class");
    const std::string_view text = Trimmed(attribute.value());
    if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) {
      BadNumber(node, "class", attribute.value());
    }
    WsClassId id = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data() + 2, end, id, 16);
    if (error != std::errc() || stop != end) BadNumber(node, "class", attribute.value());
    if (HasOwnElement(id)) {
      Fail(node, "class " + std::string(text) + " has an element of its own, not " + node.name());
    }
    return id;
  }

  // Both x and y, or neither; z only with them.
  static std::optional<GmiPosition> Position(const pugi::xml_node& node) {
    const pugi::xml_attribute x = node.attribute("x");
    const pugi::xml_attribute y = node.attribute("y");
    const pugi::xml_attribute z = node.attribute("z");
    if (!x && !y && !z) return std::nullopt;
    const double east = Number(node, RequiredAttribute(node, "x"));
    const double north = Number(node, RequiredAttribute(node, "y"));
    if (!z) return GmiPosition(east, north);
    return GmiPosition(east, north, Number(node, z));
  }

  std::shared_ptr<WsModelStore> store_;
  XMLRead_IDTable& ids_;
  const SourceLines& lines_;
  std::vector<std::pair<pugi::xml_node, LwdDeviceSegment*>> segmentRefs_;
  std::vector<std::pair<pugi::xml_node, LwtTrenchEdge*>> edgeRefs_;
  std::vector<std::pair<pugi::xml_node, LwtTrenchNode*>> nodeRefs_;
};

}  // namespace

std::unique_ptr<GmiGeodataSet> ReadWsModel(const pugi::xml_node& documentElement, XMLRead_IDTable& ids,
                                           const SourceLines& lines) {
  return Reader(ids, lines).Read(documentElement);
}
