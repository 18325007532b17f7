#include "ModelXmlWriter.h"

#include <charconv>

namespace wsmodel {

void ModelXmlWriter::Begin(std::uint64_t seed) {
  sink_.Write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<WsModel version=\"1\" namespace=\"https://va.generert.no/" +
              std::to_string(seed) + "\" heightSystem=\"NN2000\">\n");
}

void ModelXmlWriter::End() { sink_.Write("</WsModel>\n"); }

void ModelXmlWriter::PointObject(const GenPointObject& pointObject) {
  line_ += "  <";
  line_ += pointObject.element;
  Integer("id", pointObject.id);
  Text("name", pointObject.name);
  Text("type", pointObject.type);
  if (pointObject.hasPosition) Position(pointObject.at);
  line_ += "/>\n";
  Flush();
}

void ModelXmlWriter::Pipe(const GenPipe& pipe) {
  line_ += "  <Pipe";
  Integer("id", pipe.id);
  Text("name", pipe.kind->name);
  Text("type", pipe.kind->type);
  Text("material", pipe.kind->material);
  Text("shortMaterial", pipe.kind->shortMaterial);
  if (pipe.kind->dimension > 0) Integer("dimension", pipe.kind->dimension);
  line_ += ">\n";
  for (const GenSegment& segment : pipe.segments) {
    line_ += "    <Segment";
    Integer("id", segment.id);
    Integer("start", segment.start);
    Integer("end", segment.end);
    line_ += ">\n";
    for (const Place& vertex : segment.vertices) {
      line_ += "      <V";
      Position(vertex);
      line_ += "/>\n";
    }
    line_ += "    </Segment>\n";
  }
  line_ += "  </Pipe>\n";
  Flush();
}

void ModelXmlWriter::Device(const GenOtherObject& device) {
  line_ += "  <Device";
  Integer("id", device.id);
  ClassId(device.classId);
  Text("name", device.name);
  Text("type", device.type);
  line_ += "/>\n";
  Flush();
}

void ModelXmlWriter::TrenchPath(const GenTrenchPath& path) {
  line_ += "  <TrenchPath";
  Integer("id", path.id);
  Text("name", path.name);
  Integer("type", path.type);
  Integer("modified", path.modified);
  line_ += ">\n";
  for (const GenEdge& edge : path.edges) {
    line_ += "    <Edge";
    Integer("section", edge.section);
    Integer("from", edge.from);
    Integer("to", edge.to);
    if (!edge.segments.empty()) IdList("segments", edge.segments);
    line_ += "/>\n";
  }
  line_ += "  </TrenchPath>\n";
  Flush();
}

void ModelXmlWriter::TrenchObject(const GenOtherObject& object) {
  line_ += "  <TrenchObject";
  Integer("id", object.id);
  ClassId(object.classId);
  line_ += "/>\n";
  Flush();
}

void ModelXmlWriter::TrenchNode(const GenTrenchNode& node) {
  line_ += "  <TrenchNode";
  Integer("id", node.id);
  Number("x", node.x);
  Number("y", node.y);
  if (!node.objects.empty()) IdList("objects", node.objects);
  line_ += "/>\n";
  Flush();
}

void ModelXmlWriter::Text(std::string_view name, std::string_view value) {
  line_ += ' ';
  line_ += name;
  line_ += "=\"";
  for (const char c : value) {
    switch (c) {
      case '&':
        line_ += "&amp;";
        break;
      case '<':
        line_ += "&lt;";
        break;
      case '"':
        line_ += "&quot;";
        break;
      default:
        line_ += c;
    }
  }
  line_ += '"';
}

void ModelXmlWriter::Number(std::string_view name, double value) {
  char digits[48];
  const auto end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 2).ptr;
  Text(name, std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void ModelXmlWriter::Integer(std::string_view name, long long value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  Text(name, std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void ModelXmlWriter::ClassId(std::uint64_t value) {
  char hex[24] = "0x";
  const auto end = std::to_chars(hex + 2, hex + sizeof hex, value, 16).ptr;
  Text("class", std::string_view(hex, static_cast<std::size_t>(end - hex)));
}

void ModelXmlWriter::IdList(std::string_view name, const std::vector<int>& ids) {
  std::string list;
  char digits[16];
  for (const int id : ids) {
    if (!list.empty()) list += ' ';
    list.append(digits, std::to_chars(digits, digits + sizeof digits, id).ptr);
  }
  Text(name, list);
}

void ModelXmlWriter::Position(const Place& at) {
  Number("x", at.x);
  Number("y", at.y);
  if (at.hasZ) Number("z", at.z);
}

void ModelXmlWriter::Flush() {
  sink_.Write(line_);
  line_.clear();
}

}  // namespace wsmodel
