// The model read piece by piece against the model of the whole document, on
// files of every shape the stream reader takes, and the files it leaves to the
// whole document.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include <pugixml.hpp>

#include "GmiGeodataSet.h"
#include "HostConsole.h"
#include "LoadedModel.h"
#include "NetworkGenerator.h"
#include "SourceLines.h"
#include "TempDir.h"
#include "WideText.h"
#include "WsModelStore.h"
#include "WsModelStreamReader.h"
#include "WsModelXmlReader.h"

namespace {

// Everything the model holds, exactly (coordinates in hexadecimal).
class Dump {
 public:
  explicit Dump(const WsModelStore& store) {
    for (const LwdDevice* device : store.Devices()) Device(store, *device);
    for (const LwtWSTrenchPersistent* object : store.TopologyObjects()) {
      out_ << "topology " << std::hex << object->getClassId() << std::dec << " " << object->getPersistentID();
      if (const auto* path = dynamic_cast<const LwtTrenchPath*>(object)) Path(store, *path);
      out_ << "\n";
    }
  }
  std::string Text() const { return out_.str(); }

 private:
  void Text(const std::wstring& text) { out_ << " [" << platform::ToUtf8(text) << "]"; }
  void Number(double value) { out_ << " " << std::hexfloat << value << std::defaultfloat; }
  void Id(const LwdDevice* device) { out_ << " " << (device != nullptr ? device->getPersistentID() : 0); }
  void Position(const GmiPosition& position) {
    Number(position.getX());
    Number(position.getY());
    if (position.hasZ()) Number(position.getZ());
  }

  void Device(const WsModelStore& store, const LwdDevice& device) {
    out_ << "device " << std::hex << device.getClassId() << std::dec << " " << device.getPersistentID();
    Text(device.getName());
    Text(device.getType());
    Text(device.getMaterial());
    Text(device.getShortMaterial());
    if (const auto* pipe = dynamic_cast<const LwdPipe*>(&device)) {
      out_ << " dimension " << pipe->hasDimension() << " " << pipe->getDimension() << " segments";
      for (int i = 0; i < pipe->numDeviceSegments(); ++i) Id(pipe->getDeviceSegment(i));
    }
    if (const auto* segment = dynamic_cast<const LwdDeviceSegment*>(&device)) {
      out_ << " pipe";
      Id(segment->getPipe());
      out_ << " ends";
      Id(segment->getStartDevicePointObject());
      Id(segment->getEndDevicePointObject());
      for (const WSVertex& vertex : segment->getWSCurve()->GetHorVertices()) {
        out_ << " v";
        Number(vertex.x);
        Number(vertex.y);
        if (vertex.hasZ) Number(vertex.z);
      }
    }
    if (const auto* pointObject = dynamic_cast<const LwdDevicePointObject*>(&device)) {
      if (pointObject->getRelPoint() != nullptr) Position(pointObject->getRelPoint()->getPosition());
      out_ << " starts " << pointObject->numDeviceSegmentStarts() << " ends " << pointObject->numDeviceSegmentEnds()
           << " nodes " << store.NodeLinkCount(pointObject);
    }
    out_ << "\n";
  }

  void Path(const WsModelStore& store, const LwtTrenchPath& path) {
    Text(path.getName());
    out_ << " type " << path.getTrenchPathType() << " modified " << path.getModifiedTimeStamp();
    for (int e = 0; e < path.numEdges(); ++e) {
      const LwtTrenchEdge* edge = path.getEdge(e);
      out_ << "\n  edge";
      if (const LwtTrenchSection* section = edge->getTrenchSection()) {
        out_ << " section " << section->getPersistentID() << " segments";
        for (int i = 0; i < store.SectionLinks().Count(section); ++i) Id(store.SectionLinks().Get(section, i));
      }
      Node(store, edge->getStartNode());
      Node(store, edge->getEndNode());
    }
  }

  void Node(const WsModelStore& store, const LwtTrenchNode* node) {
    out_ << " node";
    if (node == nullptr) return;
    out_ << " " << node->getPersistentID();
    if (node->getTrenchConnectionPoint() != nullptr) Position(node->getTrenchConnectionPoint()->getPoint()->getPosition());
    out_ << " objects";
    for (int i = 0; i < store.NodeLinks().Count(node); ++i) Id(store.NodeLinks().Get(node, i));
  }

  std::ostringstream out_;
};

std::string Streamed(const std::filesystem::path& file) {
  XMLRead_IDTable ids;
  const StreamedModel model = StreamWsModel(file.string(), ids);
  if (model.set == nullptr) return "not taken";
  return std::to_string(model.set->numComposites()) + " composites of " + model.documentElement + "\n" +
         Dump(*model.set->getModel()).Text();
}

std::string Whole(const std::filesystem::path& file) {
  pugi::xml_document document;
  EXPECT_TRUE(document.load_file(file.string().c_str(), pugi::parse_default, pugi::encoding_utf8));
  XMLRead_IDTable ids;
  const SourceLines lines;
  const auto set = ReadWsModel(document.document_element(), ids, lines);
  return std::to_string(set->numComposites()) + " composites of " + document.document_element().name() + "\n" +
         Dump(*set->getModel()).Text();
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

TEST(WsModelStreamReader, AGeneratedTownGivesTheModelOfTheWholeDocument) {
  // Several pieces and more than one read of the file.
  const std::string town = Town(6000);
  ASSERT_GT(town.size(), 4u << 20);
  TempDir dir;
  const auto file = dir.Write("town.xml", town);
  const std::string streamed = Streamed(file);
  EXPECT_NE(streamed, "not taken");
  EXPECT_TRUE(streamed == Whole(file));
}

TEST(WsModelStreamReader, MarkupBetweenAndInsideChildrenIsReadAsTheWholeDocumentReadsIt) {
  const std::string text =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- model <of> a street -->\r\n<?tool run=\"<1>\"?>\r\n"
      "<WsModel version=\"1\" note='a > b'>\r\n"
      "<!-- <Manhole id=\"99\"/> --><![CDATA[ <Valve id=\"98\"/> ]]>text &amp; more\r\n" +
      kChildren +
      "<Device id=\"9\" class=\"0x3b703fd20115\" name=\"P &lt;1&gt; &#248;\" type='a\"b'><Extra><!-- --></Extra>"
      "<?pi ?></Device>\r\n"
      "</WsModel  >\r\n<!-- after -->\r\n";
  TempDir dir;
  const auto file = dir.Write("marked.xml", text);
  const std::string streamed = Streamed(file);
  EXPECT_NE(streamed.find("7 composites"), std::string::npos) << streamed;
  EXPECT_NE(streamed.find("[P <1> ø] [a\"b]"), std::string::npos) << streamed;
  EXPECT_EQ(streamed, Whole(file));
}

TEST(WsModelStreamReader, AChildLargerThanOneReadOfTheFile) {
  const std::string longName(5 << 20, 'x');
  TempDir dir;
  const auto file = dir.Write("long.xml", "<WsModel version=\"1\"><Valve id=\"1\" name=\"" + longName + "\"/>" +
                                              kChildren.substr(kChildren.find("<Manhole id=\"2\"")) + "</WsModel>");
  const std::string streamed = Streamed(file);
  EXPECT_NE(streamed.find(longName), std::string::npos);
  EXPECT_EQ(streamed, Whole(file));
}

TEST(WsModelStreamReader, ADocumentElementWithoutChildren) {
  TempDir dir;
  EXPECT_EQ(Streamed(dir.Write("empty.xml", "<WsModel version=\"1\"/>")), "0 composites of WsModel\n");
  EXPECT_EQ(Streamed(dir.Write("open.xml", "<WsModel version=\"1\">\n</WsModel>")), "0 composites of WsModel\n");
}

TEST(WsModelStreamReader, LeavesOtherShapesAndEveryProblemToTheWholeDocument) {
  const std::string model = "<WsModel version=\"1\">" + kChildren + "</WsModel>";
  TempDir dir;
  for (const std::string& text : std::vector<std::string>{
           "\xEF\xBB\xBF" + model,                           // byte order mark
           "<!DOCTYPE WsModel>" + model,                     // document type
           model.substr(0, model.find('\n')) + '\0' + model.substr(model.find('\n')),  // NUL between children
           model + "<WsModel version=\"1\"/>",               // a second element after the first
           model + "text",                                   // text after it
           model.substr(0, model.size() - 3),                // cut short
           "<WsModel version=\"1\"><Valve id=\"1\"></Valv></WsModel>",  // not well-formed
           "<WsModel version=\"1\"><Valve id=\"1\"/></Other>",          // another end tag
           "<WsModel version=\"2\">" + kChildren + "</WsModel>",        // model problems
           "<WsModel version=\"1\"><Valve id=\"1\"/><Valve id=\"1\"/></WsModel>",
           "<WsModel version=\"1\"><TrenchNode id=\"1\" objects=\"9\"/></WsModel>",
           std::string(),
       }) {
    SCOPED_TRACE(text.substr(0, 60));
    EXPECT_EQ(Streamed(dir.Write("other.xml", text)), "not taken");
  }
  // The whole document still reads a file the stream reader leaves.
  platform::HostCapture capture;
  const LoadedModel marked = LoadModel(dir.Write("marked.xml", "\xEF\xBB\xBF" + model));
  EXPECT_EQ(marked.composites, 6);
  EXPECT_EQ(capture.CommandLine(), L"");
}

// The pieces are parsed a piece or two ahead of the model reader: a problem
// met by either side, far into the file, must still leave the file to the
// whole document.
TEST(WsModelStreamReader, AProblemFarIntoALargeFileIsLeftToTheWholeDocument) {
  const std::string town = Town(6000);
  const std::size_t end = town.rfind("</");
  TempDir dir;
  // A model problem: the model reader gives up while the parser runs on.
  const std::string twice = town.substr(0, end) + "<Valve id=\"1\"/><Valve id=\"1\"/>" + town.substr(end);
  EXPECT_EQ(Streamed(dir.Write("twice.xml", twice)), "not taken");
  const std::size_t middle = town.find("<Pipe ", town.size() / 2);
  const std::string early = town.substr(0, middle) + "<Valve id=\"1\"/><Valve id=\"1\"/>" + town.substr(middle);
  EXPECT_EQ(Streamed(dir.Write("early.xml", early)), "not taken");
  // An XML problem: the parser gives up while the model reader has pieces to define.
  const std::string broken = town.substr(0, end) + "<Valve id=\"1\"></Valv>" + town.substr(end);
  EXPECT_EQ(Streamed(dir.Write("broken.xml", broken)), "not taken");
}
