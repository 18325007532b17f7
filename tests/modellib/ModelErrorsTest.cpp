// Every broken rule of the model file gives one line naming file, line and
// problem, and nothing is loaded.

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "HostConsole.h"
#include "LoadedModel.h"
#include "NetworkGenerator.h"
#include "TempDir.h"
#include "WideText.h"

namespace {

const std::string kTail = "</WsModel>\n";

const std::string kTwoManholes =
    "  <Manhole id=\"101\" name=\"-SK01\" type=\"Kum\" x=\"10\" y=\"20\"/>\n"
    "  <Manhole id=\"102\" name=\"-SK02\" type=\"Kum\" x=\"30\" y=\"40\"/>\n";  // lines 3-4 of a model

std::string Segment(const std::string& attributes, const std::string& vertices) {
  return "  <Pipe id=\"201\" name=\"SP 160 PVC\">\n    <Segment id=\"301\" " + attributes + ">" + vertices +
         "</Segment>\n  </Pipe>\n";
}

const std::string kTwoVertices = "<V x=\"10\" y=\"20\"/><V x=\"30\" y=\"40\"/>";

struct Rejected {
  std::string text;
  int line;
  std::string problem;
};

std::string WithSegment(const std::string& attributes, const std::string& vertices, const std::string& more = "") {
  return ModelText(kTwoManholes + Segment(attributes, vertices) + more);
}
std::string Path(const std::string& edge) {
  return "  <TrenchPath id=\"601\" name=\"A\">\n    <Edge " + edge + "/>\n  </TrenchPath>\n";
}

const Rejected kRejected[] = {
    {ModelText(kTwoManholes + "  <Pipe id=\"201\">\n"), 6, "not well-formed XML: Start-end tags mismatch"},
    {"<WsModel version=\"1\">\n<Valve id=\"1\"/>\n", 2, "not well-formed XML: Start-end tags mismatch"},
    {"<WsModel version=\"1\">\n<Valve id=\"1\"/>\n</Other>\n", 3, "not well-formed XML: Start-end tags mismatch"},
    {"<WsModel version=\"1\">\n<Valve id=\"1\" <V/>\n" + kTail, 2,
     "not well-formed XML: Error parsing start element tag"},
    {ModelText("") + "<After>\n", 4, "not well-formed XML: Start-end tags mismatch"},
    {"", 1, "not well-formed XML: No document element found"},
    {"<?xml version=\"1.0\"?>\n\n<Network version=\"1\"/>\n", 3, "the document element is Network, not WsModel"},
    {"<WsModel version=\"2\">\n" + kTail, 1, "version \"2\" is not supported, only version 1"},
    {"<WsModel>\n" + kTail, 1, "WsModel has no version"},
    {WithSegment("start=\"101\" end=\"102\"", kTwoVertices, "  <Hydrant id=\"301\"/>\n"), 8,
     "duplicate id 301 (first defined on line 6)"},
    {ModelText(kTwoManholes + Path("section=\"101\"")), 6,
     "duplicate id 101 (first defined on line 3)"},
    {WithSegment("start=\"101\" end=\"102\"", "<V x=\"10\" y=\"20\"/>"), 6, "segment 301 has fewer than two vertices"},
    {WithSegment("start=\"201\" end=\"102\"", kTwoVertices), 6, "start 201 is not a point object"},
    {WithSegment("start=\"101\" end=\"999\"", kTwoVertices), 6, "unknown point object 999"},
    {ModelText("  <TrenchNode id=\"401\" x=\"1\" y=\"2\"/>\n" + Path("section=\"501\" from=\"401\" to=\"999\"")), 5,
     "unknown trench node 999"},
    {WithSegment("", kTwoVertices, Path("section=\"501\" segments=\"301 102\"")), 9,
     "segments: 102 is not a device segment"},
    {WithSegment("", kTwoVertices, "  <TrenchNode id=\"401\" objects=\"101 301\"/>\n"), 8,
     "objects: 301 is not a point object"},
    {WithSegment("", kTwoVertices, Path("segments=\"301\"")), 9, "an edge without section cannot hold segments"},
    {ModelText("  <Manhole id=\"101\" x=\"1,5\" y=\"20\"/>\n"), 3, "bad number \"1,5\" in x"},
    {WithSegment("", "<V x=\"10\" y=\"20\"/><V x=\"30\" y=\"4O\"/>"), 6, "bad number \"4O\" in y"},
    {ModelText("  <Hydrant id=\"12a\"/>\n"), 3, "bad number \"12a\" in id"},
    {ModelText("  <Hydrant id=\"3000000000\"/>\n"), 3, "bad number \"3000000000\" in id"},
    {ModelText("  <Hydrant id=\"1\" x=\"nan\" y=\"2\"/>\n"), 3, "bad number \"nan\" in x"},
    {ModelText("  <TrenchPath id=\"601\" modified=\"soon\"/>\n"), 3, "bad number \"soon\" in modified"},
    {ModelText("  <Device id=\"801\" class=\"3b70\"/>\n"), 3, "bad number \"3b70\" in class"},
    {ModelText("  <Hydrant id=\"1\" x=\"1e300\" y=\"2\"/>\n"), 3, "x 1e300 is out of range (more than 1e9 metres)"},
    {WithSegment("", "<V x=\"10\" y=\"20\"/><V x=\"30\" y=\"40\" z=\"-2e9\"/>"), 6,
     "z -2e9 is out of range (more than 1e9 metres)"},
    {ModelText("  <Valve id=\"0\"/>\n"), 3, "id 0 is not a positive id"},
    {ModelText("  <Valve name=\"V1\"/>\n"), 3, "Valve has no id"},
    {ModelText("  <Valve id=\"1\" x=\"5\"/>\n"), 3, "Valve has no y"},
    {WithSegment("", "<V x=\"10\" y=\"20\"/><V y=\"40\"/>"), 6, "V has no x"},
    {ModelText("  <Device id=\"801\" class=\"0x3b703f9001d3\"/>\n"), 3,
     "class 0x3b703f9001d3 has an element of its own, not Device"},
    {ModelText("  <TrenchObject id=\"701\" class=\"0x3b70116a001d\"/>\n"), 3,
     "class 0x3b70116a001d has an element of its own, not TrenchObject"},
    {"<!DOCTYPE WsModel>\n<WsModel version=\"1\">\n<Valve id=\"0\"/>\n" + kTail, 3, "id 0 is not a positive id"},
    // Line numbers survive a byte order mark, carriage returns and line breaks inside values.
    {"\xEF\xBB\xBF<WsModel version=\"1\">\r\n<Valve id=\"1\" name=\"two\nlines\"/>\r\n<Valve id=\"1\"/>\r\n" + kTail, 4,
     "duplicate id 1 (first defined on line 2)"},
};

}  // namespace

TEST(ModelErrors, EachBrokenRuleGivesOneLineWithFileLineAndProblem) {
  TempDir dir;
  const std::filesystem::path file = dir.Path() / "Grøft.xml";
  for (const Rejected& row : kRejected) {
    SCOPED_TRACE(row.problem);
    dir.Write("Grøft.xml", row.text);
    platform::HostCapture capture;
    EXPECT_FALSE(LoadModel(file).Loaded());
    EXPECT_EQ(capture.CommandLine(),
              platform::FromUtf8("\n" + file.string() + ":" + std::to_string(row.line) + ": " + row.problem));
  }
}

// Far into a file of many pieces, a problem still names its own line.
TEST(ModelErrors, AProblemDeepInALargeFileNamesItsLine) {
  wsmodel::StringSink sink;
  wsmodel::NetworkGenerator(3000, 5).Write(sink, nullptr, nullptr);
  const std::string town = sink.Text();
  const std::size_t middle = town.find("<Pipe ", town.size() / 2);
  const auto lineAt = [&town](std::size_t offset) { return 1 + std::count(town.begin(), town.begin() + offset, '\n'); };
  const std::size_t end = town.rfind("</");
  TempDir dir;
  const std::string twice = "<Valve id=\"2000000001\"/>\n<Valve id=\"2000000001\"/>";
  using Row = std::tuple<std::size_t, std::string, std::string>;
  for (const auto& [at, inserted, problem] : {
           Row{middle, twice, "duplicate id 2000000001 (first defined on line " + std::to_string(lineAt(middle)) + ")"},
           Row{end, "\n<Valve id=\"1\"></Valv>", "not well-formed XML: Start-end tags mismatch"},
       }) {
    const auto file = dir.Write("town.xml", town.substr(0, at) + inserted + town.substr(at));
    platform::HostCapture capture;
    EXPECT_FALSE(LoadModel(file).Loaded());
    EXPECT_EQ(capture.CommandLine(), platform::FromUtf8("\n" + file.string() + ":" + std::to_string(lineAt(at) + 1) +
                                                        ": " + problem));
  }
}
