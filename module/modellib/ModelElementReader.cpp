#include "ModelElementReader.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "DecimalText.h"
#include "GmiGeodataSet.h"
#include "Utf8TextIndex.h"
#include "WideText.h"
#include "WsModelStore.h"
#include "XmlBlank.h"

namespace {

using Kind = XMLRead_IDTable::Kind;

struct PointObjectElement {
  const char* name;
  WsClassId classId;
};

constexpr PointObjectElement kPointObjectElements[] = {
    {"Gully", kClassGully},     {"Fitting", kClassFitting}, {"Hydrant", kClassHydrant},     {"Outlet", kClassOutlet},
    {"Manhole", kClassManhole}, {"Valve", kClassValve},     {"PipeJoint", kClassPipeJoint},
};

std::optional<WsClassId> PointObjectClass(const char* element) {
  // The first letter passes over most names without a call.
  for (const PointObjectElement& known : kPointObjectElements) {
    if (known.name[0] == element[0] && std::strcmp(known.name, element) == 0) return known.classId;
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

// The next blank-separated item of a list, taken off its front; empty at its end.
std::string_view NextItem(std::string_view& list) {
  while (!list.empty() && IsXmlBlank(list.front())) list.remove_prefix(1);
  std::size_t length = 0;
  while (length < list.size() && !IsXmlBlank(list[length])) ++length;
  const std::string_view item = list.substr(0, length);
  list.remove_prefix(length);
  return item;
}

std::string_view Trimmed(std::string_view view) {
  while (!view.empty() && IsXmlBlank(view.front())) view.remove_prefix(1);
  while (!view.empty() && IsXmlBlank(view.back())) view.remove_suffix(1);
  return view;
}

std::wstring Wide(const pugi::xml_attribute& attribute) { return platform::FromUtf8(attribute.value()); }

// The attributes of one element, asked for in the order a file usually has
// them: the attribute after the one found before is tried first, so that
// reading an element's attributes mostly takes one pass over them, not one
// per attribute.
class Attributes {
 public:
  explicit Attributes(const pugi::xml_node& node) : node_(node), next_(node.first_attribute()) {}

  pugi::xml_attribute operator[](const char* name) {
    pugi::xml_attribute found = next_ && std::strcmp(next_.name(), name) == 0 ? next_ : node_.attribute(name);
    if (found) next_ = found.next_attribute();
    return found;
  }

  const pugi::xml_node& Node() const { return node_; }

 private:
  pugi::xml_node node_;
  pugi::xml_attribute next_;
};

// An attribute read now and looked at once every element is defined: whether
// it is there, and its text, kept in the reader's pool.
struct KeptAttribute {
  bool present = false;
  std::size_t begin = 0;
  std::size_t size = 0;
};

}  // namespace

class ModelElementReader::Reader {
 public:
  Reader(XMLRead_IDTable& ids, const SourceLines& lines)
      : store_(std::make_shared<WsModelStore>()), ids_(ids), lines_(lines) {}

  void Begin(const pugi::xml_node& root, std::ptrdiff_t base, const std::wstring& defaultNamespace) {
    base_ = base;
    CheckDocumentElement(root);
    ReadModelInfo(root, defaultNamespace);
  }

  void Define(const pugi::xml_node& parent, std::ptrdiff_t base) {
    base_ = base;
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
      if (child.type() != pugi::node_element) continue;
      ++composites_;
      Define(child);
    }
  }

  std::unique_ptr<GmiGeodataSet> Finish() {
    ResolveSegmentEnds();
    ResolveEdges();
    ResolveNodeLinks();
    return std::make_unique<GmiGeodataSet>(store_, composites_);
  }

 private:
  // Where a node starts in the file.
  std::ptrdiff_t Offset(const pugi::xml_node& node) const { return base_ + node.offset_debug(); }

  [[noreturn]] void Fail(const pugi::xml_node& node, const std::string& problem) const {
    throw ModelFileProblem(Offset(node), problem);
  }

  [[noreturn]] static void Fail(std::ptrdiff_t offset, const std::string& problem) {
    throw ModelFileProblem(offset, problem);
  }

  KeptAttribute Keep(const pugi::xml_attribute& attribute) {
    if (!attribute) return {};
    const std::string_view text(attribute.value());
    const KeptAttribute kept{true, pool_.size(), text.size()};
    pool_.append(text);
    return kept;
  }

  // Pipe names, types and materials: one conversion for each distinct value.
  const std::wstring* RepeatedText(const pugi::xml_attribute& attribute) {
    const char* bytes = attribute.value();
    const std::wstring*& text = repeatedTexts_[bytes];
    if (text == nullptr) text = store_->Text(platform::FromUtf8(bytes));
    return text;
  }

  std::string_view Text(const KeptAttribute& kept) const {
    return std::string_view(pool_).substr(kept.begin, kept.size);
  }

  void CheckDocumentElement(const pugi::xml_node& root) const {
    if (std::strcmp(root.name(), "WsModel") != 0) {
      Fail(root, std::string("the document element is ") + root.name() + ", not WsModel");
    }
    const pugi::xml_attribute version = root.attribute("version");
    if (!version) Fail(root, "WsModel has no version");
    if (Trimmed(version.value()) != "1") {
      Fail(root, std::string("version \"") + version.value() + "\" is not supported, only version 1");
    }
  }

  // The optional attributes of WsModel about the model as a whole.
  void ReadModelInfo(const pugi::xml_node& root, const std::wstring& defaultNamespace) {
    LwdModelInfo& info = store_->ModelInfo();
    const std::string_view nameSpace = Trimmed(root.attribute("namespace").value());
    info.nameSpace = nameSpace.empty() ? defaultNamespace : platform::FromUtf8(std::string(nameSpace));
    if (const pugi::xml_attribute system = root.attribute("heightSystem")) {
      info.heightSystem = HeightSystem(root, Trimmed(system.value()));
    }
    if (const pugi::xml_attribute meaning = root.attribute("pointHeights")) {
      info.pointHeights = HeightMeaning(root, meaning, false);
    }
    if (const pugi::xml_attribute meaning = root.attribute("pipeHeights")) {
      info.pipeHeights = HeightMeaning(root, meaning, true);
    }
    if (const pugi::xml_attribute captured = root.attribute("captured")) {
      info.captureDate = CaptureDate(root, Trimmed(captured.value()));
    }
  }

  std::wstring HeightSystem(const pugi::xml_node& root, std::string_view text) const {
    static constexpr std::pair<std::string_view, const wchar_t*> kSystems[] = {
        {"NN2000", L"NN2000"}, {"NN54", L"NN54"},   {"NN1954", L"NN54"},  {"NNN57", L"NNN57"},
        {"NKG89", L"NKG89"},   {"LOKAL", L"LOKAL"}, {"ELLIP", L"ELLIP"}};
    for (const auto& [name, system] : kSystems) {
      if (text == name) return system;
    }
    Fail(root, "heightSystem \"" + std::string(text) +
                   "\" is not one of NN2000, NN54, NN1954, NNN57, NKG89, LOKAL, ELLIP");
  }

  LwdModelInfo::HeightMeaning HeightMeaning(const pugi::xml_node& root, const pugi::xml_attribute& attribute,
                                            bool pipes) const {
    using Meaning = LwdModelInfo::HeightMeaning;
    const std::string_view text = Trimmed(attribute.value());
    if (text == "ground") return Meaning::Ground;
    if (text == "invert") return Meaning::Invert;
    if (text == "top") return Meaning::Top;
    if (text == "unknown") return Meaning::Unknown;
    if (pipes && text == "theme") return Meaning::ByTheme;
    Fail(root, std::string(attribute.name()) + " \"" + std::string(text) + "\" is not one of " +
                   (pipes ? "invert, top, theme, unknown" : "ground, invert, top, unknown"));
  }

  // "2024-01-15" gives "20240115".
  std::wstring CaptureDate(const pugi::xml_node& root, std::string_view text) const {
    const auto digits = [&](std::size_t at, std::size_t count) {
      int value = 0;
      for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
      }
      return value;
    };
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
      const int year = digits(0, 4);
      const int month = digits(5, 2);
      const int day = digits(8, 2);
      if (year >= 1000 && month >= 1 && month <= 12 && day >= 1 && day <= 31) {
        std::wstring date;
        for (char c : text) {
          if (c != '-') date.push_back(static_cast<wchar_t>(c));
        }
        return date;
      }
    }
    Fail(root, "captured \"" + std::string(text) + "\" is not a date of the form 2024-01-15");
  }

  void Define(const pugi::xml_node& node) {
    const char* name = node.name();
    if (const std::optional<WsClassId> classId = PointObjectClass(name)) {
      DefinePointObject(node, *classId);
    } else if (std::strcmp(name, "Pipe") == 0) {
      DefinePipe(node);
    } else if (std::strcmp(name, "Device") == 0) {
      Attributes attributes(node);
      const int id = Id(attributes);
      const WsClassId classId = ClassAttribute(attributes);
      const std::wstring deviceName = Wide(attributes["name"]);
      Register(node, id, Kind::Device, store_->AddDevice(classId, id, deviceName, Wide(attributes["type"])));
    } else if (std::strcmp(name, "TrenchPath") == 0) {
      DefineTrenchPath(node);
    } else if (std::strcmp(name, "TrenchNode") == 0) {
      Attributes attributes(node);
      const int id = Id(attributes);
      const std::optional<GmiPosition> position = Position(attributes);
      LwtTrenchNode* trenchNode = store_->AddTrenchNode(id, position ? &*position : nullptr);
      Register(node, id, Kind::TrenchNode, trenchNode);
      const pugi::xml_attribute objects = attributes["objects"];
      if (!Known(objects, Kind::PointObject, pointObjects_)) {
        nodeRefs_.push_back({Offset(node), trenchNode, Keep(objects)});
      } else if (objects) {
        store_->LinkPointObjects(trenchNode, pointObjects_);
      }
    } else if (std::strcmp(name, "TrenchObject") == 0) {
      Attributes attributes(node);
      const int id = Id(attributes);
      Register(node, id, Kind::TrenchObject, store_->AddTopologyObject(ClassAttribute(attributes), id));
    }
  }

  void DefinePointObject(const pugi::xml_node& node, WsClassId classId) {
    Attributes attributes(node);
    const int id = Id(attributes);
    const std::wstring* name = store_->OwnText(Wide(attributes["name"]));
    const std::wstring* type = RepeatedText(attributes["type"]);
    const std::optional<GmiPosition> position = Position(attributes);
    Register(node, id, Kind::PointObject,
             store_->AddPointObject(classId, id, name, type, position ? &*position : nullptr));
  }

  void DefinePipe(const pugi::xml_node& node) {
    Attributes attributes(node);
    const int id = Id(attributes);
    const std::wstring* name = RepeatedText(attributes["name"]);
    const std::wstring* type = RepeatedText(attributes["type"]);
    const std::wstring* material = RepeatedText(attributes["material"]);
    LwdPipe* pipe = store_->AddPipe(id, name, type, material, RepeatedText(attributes["shortMaterial"]));
    Register(node, id, Kind::Pipe, pipe);
    if (const pugi::xml_attribute dimension = attributes["dimension"]) {
      store_->SetPipeDimension(pipe, Integer<int>(node, dimension));
    }
    for (pugi::xml_node segment = node.child("Segment"); segment; segment = segment.next_sibling("Segment")) {
      DefineSegment(pipe, segment);
    }
  }

  void DefineSegment(LwdPipe* pipe, const pugi::xml_node& node) {
    Attributes attributes(node);
    const int id = Id(attributes);
    const pugi::xml_attribute start = attributes["start"];
    const pugi::xml_attribute end = attributes["end"];
    std::size_t count = 0;
    for (pugi::xml_node vertex = node.child("V"); vertex; vertex = vertex.next_sibling("V")) ++count;
    if (count < 2) Fail(node, "segment " + std::to_string(id) + " has fewer than two vertices");
    std::vector<WSVertex> vertices;
    vertices.reserve(count);
    for (pugi::xml_node vertex = node.child("V"); vertex; vertex = vertex.next_sibling("V")) {
      Attributes coordinates(vertex);
      WSVertex& added = vertices.emplace_back();
      added.x = Number(vertex, RequiredAttribute(coordinates, "x"));
      added.y = Number(vertex, RequiredAttribute(coordinates, "y"));
      if (const pugi::xml_attribute z = coordinates["z"]) {
        added.z = Number(vertex, z);
        added.hasZ = true;
      }
    }
    LwdDeviceSegment* segment = store_->AddSegment(pipe, id, std::move(vertices));
    Register(node, id, Kind::Segment, segment);
    LwdDevicePointObject* startObject = nullptr;
    LwdDevicePointObject* endObject = nullptr;
    if (Known(start, Kind::PointObject, startObject) && Known(end, Kind::PointObject, endObject)) {
      store_->SetSegmentEnds(segment, startObject, endObject);
    } else {
      segmentRefs_.push_back({Offset(node), segment, Keep(start), Keep(end)});
    }
  }

  void DefineTrenchPath(const pugi::xml_node& node) {
    Attributes attributes(node);
    const int id = Id(attributes);
    const std::wstring name = Wide(attributes["name"]);
    const pugi::xml_attribute type = attributes["type"];
    const pugi::xml_attribute modified = attributes["modified"];
    LwtTrenchPath* path = store_->AddTrenchPath(id, name, type ? Integer<int>(node, type) : 0,
                                                modified ? Integer<std::int64_t>(node, modified) : 0);
    Register(node, id, Kind::TrenchPath, path);
    for (pugi::xml_node edge = node.child("Edge"); edge; edge = edge.next_sibling("Edge")) {
      Attributes edgeAttributes(edge);
      LwtTrenchSection* section = nullptr;
      if (const pugi::xml_attribute sectionId = edgeAttributes["section"]) {
        const int id = Id(edge, sectionId);
        section = store_->AddSection(id);
        Register(edge, id, Kind::TrenchSection, section);
      }
      const KeptAttribute from = Keep(edgeAttributes["from"]);
      const KeptAttribute to = Keep(edgeAttributes["to"]);
      edgeRefs_.push_back(
          {Offset(edge), store_->AddEdge(path, section), section, from, to, Keep(edgeAttributes["segments"])});
    }
  }

  void ResolveSegmentEnds() {
    for (const SegmentReferences& refs : segmentRefs_) {
      store_->SetSegmentEnds(
          refs.segment, OptionalReference<LwdDevicePointObject>(refs.offset, refs.start, "start", Kind::PointObject),
          OptionalReference<LwdDevicePointObject>(refs.offset, refs.end, "end", Kind::PointObject));
    }
  }

  void ResolveEdges() {
    std::vector<const LwdDeviceSegment*> segments;
    for (const EdgeReferences& refs : edgeRefs_) {
      store_->SetEdgeNodes(refs.edge, OptionalReference<LwtTrenchNode>(refs.offset, refs.from, "from", Kind::TrenchNode),
                           OptionalReference<LwtTrenchNode>(refs.offset, refs.to, "to", Kind::TrenchNode));
      if (!refs.segments.present) continue;
      if (refs.section == nullptr) Fail(refs.offset, "an edge without section cannot hold segments");
      ReferenceList(refs.offset, refs.segments, "segments", Kind::Segment, segments);
      store_->LinkSegments(refs.section, segments);
    }
  }

  void ResolveNodeLinks() {
    std::vector<LwdDevicePointObject*> pointObjects;
    for (const NodeReferences& refs : nodeRefs_) {
      if (!refs.objects.present) continue;
      ReferenceList(refs.offset, refs.objects, "objects", Kind::PointObject, pointObjects);
      store_->LinkPointObjects(refs.node, pointObjects);
    }
  }

  void Register(const pugi::xml_node& node, int id, Kind kind, void* object) {
    const std::ptrdiff_t offset = Offset(node);
    if (ids_.addId(id, kind, object, offset < 0 ? 0 : static_cast<std::size_t>(offset))) return;
    Fail(node, "duplicate id " + std::to_string(id) + " (first defined on line " +
                   std::to_string(lines_.LineOf(ids_.findId(id)->offset)) + ")");
  }

  // References to objects defined before them, as files mostly have them, are
  // resolved at once: the reader then keeps nothing of them until the end.
  // Everything else waits until every object is defined, and reports there.
  // `object` is null for an absent attribute.
  template <typename T>
  bool Known(const pugi::xml_attribute& attribute, Kind kind, T*& object) const {
    object = nullptr;
    if (!attribute) return true;
    const XMLRead_IDTable::Entry* entry = DefinedBefore(Trimmed(attribute.value()), kind);
    if (entry == nullptr) return false;
    object = static_cast<T*>(entry->object);
    return true;
  }

  // Every item of the list (empty for an absent attribute).
  template <typename T>
  bool Known(const pugi::xml_attribute& attribute, Kind kind, std::vector<T*>& objects) const {
    objects.clear();
    std::string_view rest = attribute.value();
    for (std::string_view item; !(item = NextItem(rest)).empty();) {
      const XMLRead_IDTable::Entry* entry = DefinedBefore(item, kind);
      if (entry == nullptr) return false;
      objects.push_back(static_cast<T*>(entry->object));
    }
    return true;
  }

  // The entry of a well-formed id of `kind` already defined; null for anything else.
  const XMLRead_IDTable::Entry* DefinedBefore(std::string_view text, Kind kind) const {
    int id = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, id);
    if (text.empty() || error != std::errc() || stop != end || id <= 0) return nullptr;
    const XMLRead_IDTable::Entry* entry = ids_.findId(id);
    return entry != nullptr && entry->kind == kind ? entry : nullptr;
  }

  // The object that `id` names, which must be of `kind`; `what` names the reference in messages.
  void* Resolve(std::ptrdiff_t offset, const std::string& what, int id, Kind kind) const {
    const XMLRead_IDTable::Entry* entry = ids_.findId(id);
    if (entry == nullptr) Fail(offset, std::string("unknown ") + KindName(kind) + " " + std::to_string(id));
    if (entry->kind != kind) Fail(offset, what + " " + std::to_string(id) + " is not a " + KindName(kind));
    return entry->object;
  }

  template <typename T>
  T* OptionalReference(std::ptrdiff_t offset, const KeptAttribute& kept, const char* attributeName, Kind kind) const {
    if (!kept.present) return nullptr;
    return static_cast<T*>(Resolve(offset, attributeName, ParseId(offset, attributeName, Trimmed(Text(kept))), kind));
  }

  template <typename Pointer>
  void ReferenceList(std::ptrdiff_t offset, const KeptAttribute& list, const char* attributeName, Kind kind,
                     std::vector<Pointer>& objects) const {
    objects.clear();
    std::string_view rest = Text(list);
    const std::string what = std::string(attributeName) + ":";
    for (std::string_view item; !(item = NextItem(rest)).empty();) {
      objects.push_back(static_cast<Pointer>(Resolve(offset, what, ParseId(offset, attributeName, item), kind)));
    }
  }

  pugi::xml_attribute RequiredAttribute(Attributes& attributes, const char* name) const {
    const pugi::xml_attribute attribute = attributes[name];
    if (!attribute) Fail(attributes.Node(), std::string(attributes.Node().name()) + " has no " + name);
    return attribute;
  }

  int Id(Attributes& attributes) const { return Id(attributes.Node(), RequiredAttribute(attributes, "id")); }

  int Id(const pugi::xml_node& node, const pugi::xml_attribute& attribute) const {
    return ParseId(Offset(node), attribute.name(), Trimmed(attribute.value()));
  }

  static int ParseId(std::ptrdiff_t offset, const char* attributeName, std::string_view text) {
    const int id = Parse<int>(offset, attributeName, text);
    if (id <= 0) Fail(offset, std::string(attributeName) + " " + std::string(text) + " is not a positive id");
    return id;
  }

  template <typename T>
  T Integer(const pugi::xml_node& node, const pugi::xml_attribute& attribute) const {
    return Parse<T>(Offset(node), attribute.name(), Trimmed(attribute.value()));
  }

  // Coordinates and heights. Beyond a million kilometres a value is no place
  // on Earth, and whole centimetres of it would no longer fit the integers
  // that the SOSI file is written with.
  double Number(const pugi::xml_node& node, const pugi::xml_attribute& attribute) const {
    constexpr double kFarthest = 1e9;
    const std::string_view text = Trimmed(attribute.value());
    double value = 0.0;
    if (!ReadDecimal(text, value)) BadNumber(Offset(node), attribute.name(), text);
    if (!std::isfinite(value)) BadNumber(Offset(node), attribute.name(), attribute.value());
    if (std::fabs(value) > kFarthest) {
      Fail(node, std::string(attribute.name()) + " " + std::string(Trimmed(attribute.value())) +
                     " is out of range (more than 1e9 metres)");
    }
    return value;
  }

  template <typename T>
  static T Parse(std::ptrdiff_t offset, const char* attributeName, std::string_view text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) BadNumber(offset, attributeName, text);
    return value;
  }

  [[noreturn]] static void BadNumber(std::ptrdiff_t offset, const char* attributeName, std::string_view text) {
    Fail(offset, "bad number \"" + std::string(text) + "\" in " + attributeName);
  }

  WsClassId ClassAttribute(Attributes& attributes) const {
    const pugi::xml_node& node = attributes.Node();
    const pugi::xml_attribute attribute = RequiredAttribute(attributes, "class");
    const std::string_view text = Trimmed(attribute.value());
    if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) {
      BadNumber(Offset(node), "class", attribute.value());
    }
    WsClassId id = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data() + 2, end, id, 16);
    if (error != std::errc() || stop != end) BadNumber(Offset(node), "class", attribute.value());
    if (HasOwnElement(id)) {
      Fail(node, "class " + std::string(text) + " has an element of its own, not " + node.name());
    }
    return id;
  }

  // Both x and y, or neither; z only with them.
  std::optional<GmiPosition> Position(Attributes& attributes) const {
    const pugi::xml_node& node = attributes.Node();
    const pugi::xml_attribute x = attributes["x"];
    const pugi::xml_attribute y = attributes["y"];
    const pugi::xml_attribute z = attributes["z"];
    if (!x && !y && !z) return std::nullopt;
    if (!x) Fail(node, std::string(node.name()) + " has no x");
    if (!y) Fail(node, std::string(node.name()) + " has no y");
    const double east = Number(node, x);
    const double north = Number(node, y);
    if (!z) return GmiPosition(east, north);
    return GmiPosition(east, north, Number(node, z));
  }

  struct SegmentReferences {
    std::ptrdiff_t offset;
    LwdDeviceSegment* segment;
    KeptAttribute start;
    KeptAttribute end;
  };
  struct EdgeReferences {
    std::ptrdiff_t offset;
    LwtTrenchEdge* edge;
    LwtTrenchSection* section;  // null: none
    KeptAttribute from;
    KeptAttribute to;
    KeptAttribute segments;
  };
  struct NodeReferences {
    std::ptrdiff_t offset;
    LwtTrenchNode* node;
    KeptAttribute objects;
  };

  std::shared_ptr<WsModelStore> store_;
  XMLRead_IDTable& ids_;
  const SourceLines& lines_;
  std::ptrdiff_t base_ = 0;
  int composites_ = 0;
  std::string pool_;
  Utf8TextIndex repeatedTexts_;
  std::vector<LwdDevicePointObject*> pointObjects_;  // of the node being defined
  std::vector<SegmentReferences> segmentRefs_;
  std::vector<EdgeReferences> edgeRefs_;
  std::vector<NodeReferences> nodeRefs_;
};

ModelElementReader::ModelElementReader(XMLRead_IDTable& ids, const SourceLines& lines)
    : reader_(std::make_unique<Reader>(ids, lines)) {}

ModelElementReader::~ModelElementReader() = default;

void ModelElementReader::Begin(const pugi::xml_node& documentElement, std::ptrdiff_t base,
                               const std::wstring& defaultNamespace) {
  reader_->Begin(documentElement, base, defaultNamespace);
}

void ModelElementReader::Define(const pugi::xml_node& parent, std::ptrdiff_t base) { reader_->Define(parent, base); }

std::unique_ptr<GmiGeodataSet> ModelElementReader::Finish() { return reader_->Finish(); }
