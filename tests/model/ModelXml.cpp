#include "ModelXml.h"

#include <charconv>

namespace testnet {
namespace {

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '"' ? "&quot;" : std::string(1, c);
  return out;
}

template <typename Number>
std::string Text(Number value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string Attribute(const char* name, const std::string& value) {
  return std::string(" ") + name + "=\"" + Escaped(value) + "\"";
}

std::string Position(const std::optional<Point>& position) {
  if (!position) return {};
  return Attribute("x", Text(position->first)) + Attribute("y", Text(position->second));
}

std::string IdList(const char* name, const std::vector<int>& ids) {
  std::string list;
  for (int id : ids) list += (list.empty() ? "" : " ") + Text(id);
  return Attribute(name, list);
}

struct Writer {
  std::string& xml;

  void operator()(const PointObject& o) const {
    xml += "  <" + o.element + Attribute("id", Text(o.id)) + Attribute("name", o.name) + Attribute("type", o.type) +
           Position(o.position) + "/>\n";
  }
  void operator()(const Pipe& p) const {
    xml += "  <Pipe" + Attribute("id", Text(p.id)) + Attribute("name", p.name) + Attribute("type", p.type) +
           Attribute("material", p.material) + Attribute("shortMaterial", p.shortMaterial) + ">\n";
    for (const Segment& s : p.segments) {
      xml += "    <Segment" + Attribute("id", Text(s.id));
      if (s.start != 0) xml += Attribute("start", Text(s.start));
      if (s.end != 0) xml += Attribute("end", Text(s.end));
      xml += ">";
      for (const Point& v : s.vertices)
        xml += "<V" + Attribute("x", Text(v.first)) + Attribute("y", Text(v.second)) + "/>";
      xml += "</Segment>\n";
    }
    xml += "  </Pipe>\n";
  }
  void operator()(const OtherDevice& d) const {
    xml += "  <Device" + Attribute("id", Text(d.id)) + Attribute("class", d.classId) + "/>\n";
  }
  void operator()(const TrenchPath& p) const {
    xml += "  <TrenchPath" + Attribute("id", Text(p.id)) + Attribute("name", p.name) + Attribute("type", Text(p.type)) +
           Attribute("modified", Text(p.modified)) + ">\n";
    for (const Edge& e : p.edges) {
      xml += "    <Edge";
      if (e.section != 0) xml += Attribute("section", Text(e.section));
      if (e.from != 0) xml += Attribute("from", Text(e.from));
      if (e.to != 0) xml += Attribute("to", Text(e.to));
      if (!e.segments.empty()) xml += IdList("segments", e.segments);
      xml += "/>\n";
    }
    xml += "  </TrenchPath>\n";
  }
  void operator()(const TrenchNode& n) const {
    xml += "  <TrenchNode" + Attribute("id", Text(n.id)) + Position(n.position);
    if (!n.objects.empty()) xml += IdList("objects", n.objects);
    xml += "/>\n";
  }
  void operator()(const TrenchObject& o) const {
    xml += "  <TrenchObject" + Attribute("id", Text(o.id)) + Attribute("class", o.classId) + "/>\n";
  }
};

}  // namespace

std::string ToModelXml(const Network& network) {
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<WsModel version=\"1\">\n";
  for (const Element& element : network.elements) std::visit(Writer{xml}, element);
  xml += "</WsModel>\n";
  return xml;
}

}  // namespace testnet
