// The model read in pieces against the model of the whole file parsed as one
// piece (which a document type declaration makes the reader do), on files of
// every shape.
#include <gtest/gtest.h>

#include <sstream>

#include "GmiGeodataSet.h"
#include "LoadedModel.h"
#include "ModelFileReader.h"
#include "NetworkGenerator.h"
#include "TempDir.h"
#include "WideText.h"
#include "WsModelStore.h"

namespace {

// Everything the model holds, exactly (numbers in hexadecimal).
class Dump {
 public:
  explicit Dump(const WsModelStore& store) {
    for (const LwdDevice* device : store.Devices()) {
      out_ << "device " << std::hex << device->getClassId() << std::dec << " " << device->getPersistentID();
      for (const std::wstring* text : {&device->getName(), &device->getType(), &device->getMaterial(),
                                       &device->getShortMaterial()}) {
        out_ << " [" << platform::ToUtf8(*text) << "]";
      }
      if (const auto* pipe = dynamic_cast<const LwdPipe*>(device)) {
        out_ << " dimension " << pipe->hasDimension() << " " << pipe->getDimension();
      }
      if (const auto* segment = dynamic_cast<const LwdDeviceSegment*>(device)) {
        out_ << " pipe " << segment->getPipe()->getPersistentID() << " ends";
        Id(segment->getStartDevicePointObject());
        Id(segment->getEndDevicePointObject());
        for (const WSVertex& vertex : segment->getWSCurve()->GetHorVertices()) {
          Numbers(vertex.x, vertex.y, vertex.hasZ, vertex.z);
        }
      }
      if (const auto* point = dynamic_cast<const LwdDevicePointObject*>(device); point && point->getRelPoint()) {
        Position(point->getRelPoint()->getPosition());
      }
      out_ << "\n";
    }
    for (const LwtWSTrenchPersistent* object : store.TopologyObjects()) {
      out_ << "topology " << std::hex << object->getClassId() << std::dec << " " << object->getPersistentID();
      const auto* path = dynamic_cast<const LwtTrenchPath*>(object);
      for (int e = 0; path != nullptr && e < path->numEdges(); ++e) {
        const LwtTrenchEdge* edge = path->getEdge(e);
        out_ << " [" << platform::ToUtf8(path->getName()) << "] " << path->getTrenchPathType() << " "
             << path->getModifiedTimeStamp() << " edge";
        if (const LwtTrenchSection* section = edge->getTrenchSection()) {
          out_ << " section " << section->getPersistentID() << " segments";
          for (int i = 0; i < store.SectionLinks().Count(section); ++i) Id(store.SectionLinks().Get(section, i));
        }
        for (const LwtTrenchNode* node : {edge->getStartNode(), edge->getEndNode()}) {
          out_ << " node " << (node != nullptr ? node->getPersistentID() : 0) << " objects";
          if (node == nullptr) continue;
          if (node->getTrenchConnectionPoint()) Position(node->getTrenchConnectionPoint()->getPoint()->getPosition());
          for (int i = 0; i < store.NodeLinks().Count(node); ++i) Id(store.NodeLinks().Get(node, i));
        }
      }
      out_ << "\n";
    }
  }
  std::string Text() const { return out_.str(); }

 private:
  void Id(const LwdDevice* device) { out_ << " " << (device != nullptr ? device->getPersistentID() : 0); }
  void Numbers(double x, double y, bool hasZ, double z) {
    out_ << std::hexfloat << " (" << x << " " << y;
    if (hasZ) out_ << " " << z;
    out_ << ")" << std::defaultfloat;
  }
  void Position(const GmiPosition& at) { Numbers(at.getX(), at.getY(), at.hasZ(), at.hasZ() ? at.getZ() : 0); }

  std::ostringstream out_;
};

std::string Read(const std::filesystem::path& file) {
  XMLRead_IDTable ids;
  const ModelFileContents contents = ReadModelFile(file.string(), ids);
  if (contents.set == nullptr) return contents.problem;
  return std::to_string(contents.set->numComposites()) + " composites of " + contents.documentElement + "\n" +
         Dump(*contents.set->getModel()).Text();
}

// The file read in pieces, which must give what reading it as one piece gives.
std::string ReadBothWays(const std::string& text) {
  TempDir dir;
  const std::string pieces = Read(dir.Write("pieces.xml", text));
  EXPECT_EQ(pieces, Read(dir.Write("whole.xml", "<!DOCTYPE WsModel>" + text)));
  return pieces;
}

std::string Town(std::int64_t pipes) {
  wsmodel::StringSink model;
  wsmodel::NetworkGenerator(pipes, 5).Write(model, nullptr, nullptr);
  return model.Text();
}

const std::string kChildren =
    "<Manhole id=\"1\" name=\"-SK01\" type=\"Kum\" x=\"10.5\" y=\"20\" z=\"3\"/>\n"
    "<Manhole id=\"2\" name=\"-SK02\" type=\"Kum\" x=\"30\" y=\"40\"/>\n"
    "<Pipe id=\"3\" name=\"SP 160\" type=\"SP\" material=\"PVC\" shortMaterial=\"PVC\" dimension=\"160\">"
    "<Segment id=\"4\" start=\"1\" end=\"2\"><V x=\"10.5\" y=\"20\" z=\"1\"/><V x=\"30\" y=\"40\"/></Segment></Pipe>\n"
    "<TrenchNode id=\"5\" x=\"10\" y=\"20\" objects=\"1\"/><TrenchNode id=\"6\" objects=\" 2 \"/>\n"
    "<TrenchPath id=\"7\" name=\"Grøft A\" type=\"1\" modified=\"1733400000\">"
    "<Edge section=\"8\" from=\"5\" to=\"6\" segments=\"4\"/></TrenchPath>\n";

}  // namespace

TEST(ModelFileShapes, AGeneratedTownReadInPiecesIsTheTownReadWhole) {
  const std::string town = Town(3000);
  ASSERT_GT(town.size(), 2u << 20);
  EXPECT_NE(ReadBothWays(town).find(" composites of WsModel"), std::string::npos);
}

TEST(ModelFileShapes, MarkupBetweenAndInsideChildren) {
  const std::string read = ReadBothWays(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- model <of> a street -->\r\n<?tool run=\"<1>\"?>\r\n"
      "<WsModel version=\"1\" note='a > b'>\r\n"
      "<!-- <Manhole id=\"99\"/> --><![CDATA[ <Valve id=\"98\"/> ]]>text &amp; more\r\n" +
      kChildren +
      "<Device id=\"9\" class=\"0x3b703fd20115\" name=\"P &lt;1&gt; &#248;\" type='a\"b'><Extra><!-- --></Extra>"
      "<?pi ?></Device>\r\n"
      "</WsModel  >\r\n<!-- after --><After/>text\r\n");
  EXPECT_NE(read.find("7 composites"), std::string::npos) << read;
  EXPECT_NE(read.find("[P <1> ø] [a\"b]"), std::string::npos) << read;
}

TEST(ModelFileShapes, ADocumentElementWithoutChildren) {
  EXPECT_EQ(ReadBothWays("<WsModel version=\"1\"/>"), "0 composites of WsModel\n");
  EXPECT_EQ(ReadBothWays("<WsModel version=\"1\">\n</WsModel>"), "0 composites of WsModel\n");
}
