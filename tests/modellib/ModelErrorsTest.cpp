// Every broken rule of the model file gives one line naming file, line and
// problem, and nothing is loaded.

#include <gtest/gtest.h>

#include "HostConsole.h"
#include "LoadedModel.h"
#include "TempDir.h"
#include "WideText.h"

namespace {

const std::string kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<WsModel version=\"1\">\n";  // lines 1-2
const std::string kTail = "</WsModel>\n";

const std::string kTwoManholes =
    "  <Manhole id=\"101\" name=\"-SK01\" type=\"Kum\" x=\"10\" y=\"20\"/>\n"
    "  <Manhole id=\"102\" name=\"-SK02\" type=\"Kum\" x=\"30\" y=\"40\"/>\n";  // lines 3-4

std::string Segment(const std::string& attributes, const std::string& vertices) {
  return "  <Pipe id=\"201\" name=\"SP 160 PVC\">\n    <Segment id=\"301\" " + attributes + ">" + vertices +
         "</Segment>\n  </Pipe>\n";
}

const std::string kTwoVertices = "<V x=\"10\" y=\"20\"/><V x=\"30\" y=\"40\"/>";

// Loads `text` and expects exactly the one line "\n<file>:<line>: <problem>".
void ExpectRejected(const std::string& text, int line, const std::string& problem) {
  TempDir dir;
  const std::filesystem::path file = dir.Write("Grøft.xml", text);
  platform::HostCapture capture;
  const LoadedModel model = LoadModel(file);
  EXPECT_FALSE(model.Loaded());
  EXPECT_EQ(capture.CommandLine(),
            platform::FromUtf8("\n" + file.string() + ":" + std::to_string(line) + ": " + problem));
}

}  // namespace

TEST(ModelErrors, NotWellFormed) {
  ExpectRejected(kHead + kTwoManholes + "  <Pipe id=\"201\">\n" + kTail, 6,
                 "not well-formed XML: Start-end tags mismatch");
}

TEST(ModelErrors, EmptyFileIsNotWellFormed) { ExpectRejected("", 1, "not well-formed XML: No document element found"); }

TEST(ModelErrors, OtherDocumentElement) {
  ExpectRejected("<?xml version=\"1.0\"?>\n\n<Network version=\"1\"/>\n", 3,
                 "the document element is Network, not WsModel");
}

TEST(ModelErrors, OtherOrMissingVersion) {
  ExpectRejected("<WsModel version=\"2\">\n" + kTail, 1, "version \"2\" is not supported, only version 1");
  ExpectRejected("<WsModel>\n" + kTail, 1, "WsModel has no version");
}

TEST(ModelErrors, DuplicateIdNamesBothLines) {
  ExpectRejected(kHead + kTwoManholes + Segment("start=\"101\" end=\"102\"", kTwoVertices) +
                     "  <Hydrant id=\"301\" name=\"H1\" type=\"Hydrant\"/>\n" + kTail,
                 8, "duplicate id 301 (first defined on line 6)");
}

TEST(ModelErrors, SectionIdsShareTheIdSpace) {
  ExpectRejected(kHead + kTwoManholes + "  <TrenchPath id=\"601\" name=\"A\">\n    <Edge section=\"101\"/>\n" +
                     "  </TrenchPath>\n" + kTail,
                 6, "duplicate id 101 (first defined on line 3)");
}

TEST(ModelErrors, SegmentWithOneVertex) {
  ExpectRejected(kHead + kTwoManholes + Segment("start=\"101\" end=\"102\"", "<V x=\"10\" y=\"20\"/>") + kTail, 6,
                 "segment 301 has fewer than two vertices");
}

TEST(ModelErrors, StartNamingAPipe) {
  ExpectRejected(kHead + kTwoManholes + Segment("start=\"201\" end=\"102\"", kTwoVertices) + kTail, 6,
                 "start 201 is not a point object");
}

TEST(ModelErrors, EndNamingNothing) {
  ExpectRejected(kHead + kTwoManholes + Segment("start=\"101\" end=\"999\"", kTwoVertices) + kTail, 6,
                 "unknown point object 999");
}

TEST(ModelErrors, EdgeNamingAnUnknownNode) {
  ExpectRejected(kHead + "  <TrenchNode id=\"401\" x=\"1\" y=\"2\"/>\n  <TrenchPath id=\"601\" name=\"A\">\n" +
                     "    <Edge section=\"501\" from=\"401\" to=\"999\"/>\n  </TrenchPath>\n" + kTail,
                 5, "unknown trench node 999");
}

TEST(ModelErrors, EdgeSegmentsNamingAPointObject) {
  ExpectRejected(kHead + kTwoManholes + Segment("start=\"101\" end=\"102\"", kTwoVertices) +
                     "  <TrenchPath id=\"601\" name=\"A\">\n    <Edge section=\"501\" segments=\"301 102\"/>\n" +
                     "  </TrenchPath>\n" + kTail,
                 9, "segments: 102 is not a device segment");
}

TEST(ModelErrors, NodeObjectsNamingASegment) {
  ExpectRejected(kHead + kTwoManholes + Segment("start=\"101\" end=\"102\"", kTwoVertices) +
                     "  <TrenchNode id=\"401\" objects=\"101 301\"/>\n" + kTail,
                 8, "objects: 301 is not a point object");
}

TEST(ModelErrors, SegmentsOnAnEdgeWithoutSection) {
  ExpectRejected(kHead + kTwoManholes + Segment("", kTwoVertices) +
                     "  <TrenchPath id=\"601\" name=\"A\">\n    <Edge segments=\"301\"/>\n  </TrenchPath>\n" + kTail,
                 9, "an edge without section cannot hold segments");
}

TEST(ModelErrors, NumberWithDecimalComma) {
  ExpectRejected(kHead + "  <Manhole id=\"101\" name=\"-SK01\" type=\"Kum\" x=\"1,5\" y=\"20\"/>\n" + kTail, 3,
                 "bad number \"1,5\" in x");
}

TEST(ModelErrors, NumbersThatDoNotParse) {
  ExpectRejected(kHead + kTwoManholes + Segment("", "<V x=\"10\" y=\"20\"/><V x=\"30\" y=\"4O\"/>") + kTail, 6,
                 "bad number \"4O\" in y");
  ExpectRejected(kHead + "  <Hydrant id=\"12a\"/>\n" + kTail, 3, "bad number \"12a\" in id");
  ExpectRejected(kHead + "  <Hydrant id=\"3000000000\"/>\n" + kTail, 3, "bad number \"3000000000\" in id");
  ExpectRejected(kHead + "  <Hydrant id=\"1\" x=\"nan\" y=\"2\"/>\n" + kTail, 3, "bad number \"nan\" in x");
  ExpectRejected(kHead + "  <TrenchPath id=\"601\" modified=\"soon\"/>\n" + kTail, 3, "bad number \"soon\" in modified");
  ExpectRejected(kHead + "  <Device id=\"801\" class=\"3b70\"/>\n" + kTail, 3, "bad number \"3b70\" in class");
}

TEST(ModelErrors, CoordinatesThatAreNoPlaceOnEarth) {
  ExpectRejected(kHead + "  <Hydrant id=\"1\" x=\"1e300\" y=\"2\"/>\n" + kTail, 3,
                 "x 1e300 is out of range (more than 1e9 metres)");
  ExpectRejected(kHead + kTwoManholes + Segment("", "<V x=\"10\" y=\"20\"/><V x=\"30\" y=\"40\" z=\"-2e9\"/>") + kTail,
                 6, "z -2e9 is out of range (more than 1e9 metres)");
}

TEST(ModelErrors, IdThatIsNotPositive) {
  ExpectRejected(kHead + "  <Valve id=\"0\" name=\"V1\"/>\n" + kTail, 3, "id 0 is not a positive id");
}

TEST(ModelErrors, MissingIdOrCoordinate) {
  ExpectRejected(kHead + "  <Valve name=\"V1\"/>\n" + kTail, 3, "Valve has no id");
  ExpectRejected(kHead + "  <Valve id=\"1\" x=\"5\"/>\n" + kTail, 3, "Valve has no y");
  ExpectRejected(kHead + kTwoManholes + Segment("", "<V x=\"10\" y=\"20\"/><V y=\"40\"/>") + kTail, 6, "V has no x");
}

TEST(ModelErrors, ClassOfAnElementOfItsOwn) {
  ExpectRejected(kHead + "  <Device id=\"801\" class=\"0x3b703f9001d3\"/>\n" + kTail, 3,
                 "class 0x3b703f9001d3 has an element of its own, not Device");
  ExpectRejected(kHead + "  <TrenchObject id=\"701\" class=\"0x3b70116a001d\"/>\n" + kTail, 3,
                 "class 0x3b70116a001d has an element of its own, not TrenchObject");
}

TEST(ModelErrors, LineNumbersSurviveByteOrderMarkAndCarriageReturns) {
  ExpectRejected("\xEF\xBB\xBF<WsModel version=\"1\">\r\n<Valve id=\"1\" name=\"two\nlines\"/>\r\n<Valve id=\"1\"/>\r\n" +
                     kTail,
                 4, "duplicate id 1 (first defined on line 2)");
}
