#include <gtest/gtest.h>

#include "HostConsole.h"
#include "LoadedModel.h"
#include "ModelConsistency.h"
#include "TempDir.h"

namespace {

const std::filesystem::path kSample = DataPath("samples/Ledningsnett_Eksempel.xml");

const LwdDevicePointObject* PointObject(const LoadedModel& model, int id) {
  return dynamic_cast<const LwdDevicePointObject*>(model.Device(id));
}

const LwdDeviceSegment* Segment(const LoadedModel& model, int id) {
  return dynamic_cast<const LwdDeviceSegment*>(model.Device(id));
}

}  // namespace

TEST(ModelFileReader, SampleHasEveryComposite) {
  platform::HostCapture capture;
  const LoadedModel model = LoadModel(kSample);
  ASSERT_TRUE(model.Loaded());
  EXPECT_EQ(model.composites, 77);
  EXPECT_EQ(model.devices->numDevices(), 87);
  EXPECT_EQ(model.topology->numTopologyObjects(), 5);
  EXPECT_EQ(model.sections->numSections(), 10);
  EXPECT_EQ(model.connectionPoints->numConnectionPoints(), 12);
  EXPECT_EQ(model.surfaces->numSurfaceDescriptions(), 0);
  EXPECT_EQ(ModelInconsistency(model), "");
  EXPECT_EQ(capture.CommandLine(), L"");
}

TEST(ModelFileReader, DevicesInFileOrderWithTheirTexts) {
  const LoadedModel model = LoadModel(kSample);
  ASSERT_TRUE(model.Loaded());
  EXPECT_EQ(model.devices->getDevice(38)->getPersistentID(), 201);
  EXPECT_EQ(model.devices->getDevice(39)->getPersistentID(), 301);  // a segment after its pipe
  EXPECT_EQ(model.devices->getDevice(86)->getClassId(), 0x3b703fd20115u);
  EXPECT_EQ(model.devices->getDevice(86)->getName(), L"Pumpe P1");
  const auto* pipe = dynamic_cast<const LwdPipe*>(model.Device(221));
  ASSERT_NE(pipe, nullptr);
  EXPECT_EQ(pipe->getName(), L"VL 150 SJK");
  EXPECT_EQ(pipe->getType(), L"VL");
  EXPECT_EQ(pipe->getMaterial(), L"Duktilt støpejern");
  EXPECT_EQ(pipe->getShortMaterial(), L"SJK");
  EXPECT_FALSE(pipe->hasDimension());
  const auto* sewer = dynamic_cast<const LwdPipe*>(model.Device(205));
  ASSERT_NE(sewer, nullptr);
  EXPECT_TRUE(sewer->hasDimension());
  ASSERT_EQ(sewer->numDeviceSegments(), 2);
  const LwdDeviceSegment* second = sewer->getDeviceSegment(1);
  EXPECT_EQ(second->getPersistentID(), 306);
  EXPECT_EQ(second->getShortMaterial(), L"PP");
}

TEST(ModelFileReader, SegmentEndsVerticesAndPointPositions) {
  const LoadedModel model = LoadModel(kSample);
  ASSERT_TRUE(model.Loaded());
  const LwdDeviceSegment* segment = Segment(model, 301);
  ASSERT_NE(segment, nullptr);
  EXPECT_EQ(segment->getStartDevicePointObject(), model.Device(101));
  EXPECT_EQ(segment->getEndDevicePointObject(), model.Device(102));
  // -SK03 takes the sewer from -SK02 and from -SK06 and passes it on to -SK04.
  const LwdDevicePointObject* sk03 = PointObject(model, 103);
  EXPECT_EQ(sk03->numDeviceSegmentStarts(), 1);
  EXPECT_EQ(sk03->numDeviceSegmentEnds(), 2);
  const LwdDevicePointObject* freeHydrant = PointObject(model, 134);
  EXPECT_EQ(freeHydrant->getName(), L"H3");
  EXPECT_EQ(freeHydrant->numDeviceSegmentStarts() + freeHydrant->numDeviceSegmentEnds(), 0);
  EXPECT_EQ(model.nodeLinks->numLinks(freeHydrant), 0);

  const std::vector<WSVertex>& vertices = Segment(model, 302)->getWSCurve()->GetHorVertices();
  ASSERT_EQ(vertices.size(), 3u);
  EXPECT_DOUBLE_EQ(vertices[0].x, 597048.50);
  EXPECT_DOUBLE_EQ(vertices[0].z, 109.38);
  EXPECT_DOUBLE_EQ(vertices[2].z, 108.85);

  const GmiSinglePoint* point = PointObject(model, 101)->getRelPoint();
  ASSERT_NE(point, nullptr);
  EXPECT_DOUBLE_EQ(point->getPosition().getX(), 597000.00);
  EXPECT_DOUBLE_EQ(point->getPosition().getZ(), 112.40);

  const LwdDevicePointObject* joint = PointObject(model, 112);
  EXPECT_EQ(joint->getClassId(), kClassPipeJoint);
  EXPECT_FALSE(joint->getRelPoint()->getPosition().hasZ());
  EXPECT_EQ(PointObject(model, 138)->getRelPoint(), nullptr);
}

TEST(ModelFileReader, TrenchPathsWithEdgesNodesAndSections) {
  const LoadedModel model = LoadModel(kSample);
  ASSERT_TRUE(model.Loaded());
  const LwtTrenchPath* path = model.Path(0);
  ASSERT_NE(path, nullptr);
  EXPECT_EQ(path->getPersistentID(), 601);
  EXPECT_EQ(path->getName(), L"Grøft A");
  EXPECT_EQ(path->getTrenchPathType(), 1);
  EXPECT_EQ(path->getModifiedTimeStamp(), 1733400000);
  ASSERT_EQ(path->numEdges(), 4);
  const LwtTrenchEdge* edge = path->getEdge(0);
  EXPECT_EQ(edge->getTrenchSection()->getPersistentID(), 501);
  EXPECT_EQ(edge->getStartNode()->getPersistentID(), 401);
  EXPECT_EQ(edge->getEndNode(), path->getEdge(1)->getStartNode());
  const GmiPosition& at = edge->getStartNode()->getTrenchConnectionPoint()->getPoint()->getPosition();
  EXPECT_DOUBLE_EQ(at.getX(), 597000.00);

  EXPECT_EQ(model.Path(3)->getTrenchPathType(), 0);
  EXPECT_EQ(model.Path(4), nullptr);
  EXPECT_EQ(model.topology->getTopologyObject(4)->getClassId(), 0x3b7012a400f1u);
  EXPECT_EQ(model.topology->getTopologyObject(4)->getPersistentID(), 701);

  const LwtTrenchSection* section = model.Path(1)->getEdge(0)->getTrenchSection();
  ASSERT_EQ(model.sectionLinks->numLinks(section), 4);
  EXPECT_EQ(model.sectionLinks->getDeviceSegment(0, section)->getPersistentID(), 315);
  EXPECT_EQ(model.sectionLinks->getDeviceSegment(3, section)->getPersistentID(), 320);

  const LwtTrenchNode* node = model.Path(0)->getEdge(3)->getStartNode();
  ASSERT_EQ(model.nodeLinks->numLinks(node), 4);
  EXPECT_EQ(model.nodeLinks->getDevicePointObject(3, node)->getName(), L"AN1");
  EXPECT_EQ(model.nodeLinks->numLinks(PointObject(model, 116)), 1);
}

TEST(ModelFileReader, ExtraAttributesAndElementsAreIgnored) {
  TempDir dir;
  const LoadedModel model = LoadModel(dir.Write(
      "extra.xml", ModelText("  <Manhole id=\"1\" name=\"-SK01\" type=\"Kum\" x=\"1\" y=\"2\" colour=\"red\"/>\n"
                         "  <Manhole id=\"2\" name=\"-SK02\" type=\"Kum\" x=\"3\" y=\"4\"/>\n"
                         "  <Pipe id=\"3\" name=\"SP\" owner=\"kommunen\">\n"
                         "    <Note>relined 2021</Note>\n"
                         "    <Segment id=\"4\" start=\"1\" end=\"2\" colour=\"red\"><V x=\"1\" y=\"2\" m=\"0\"/>"
                         "<V x=\"3\" y=\"4\"/></Segment>\n"
                         "  </Pipe>\n"
                         "  <Surface id=\"9\"/>\n")));
  ASSERT_TRUE(model.Loaded());
  EXPECT_EQ(model.composites, 4);
  EXPECT_EQ(model.devices->numDevices(), 4);
}

TEST(ModelFileReader, ReferencesToObjectsDefinedBeforeAndAfterAreResolvedAlike) {
  TempDir dir;
  const LoadedModel model = LoadModel(dir.Write(
      "mixed.xml",
      ModelText("  <TrenchNode id=\"401\" objects=\"101\"/>\n"
            "  <Manhole id=\"101\" name=\"-SK01\" type=\"Kum\" x=\"0\" y=\"0\"/>\n"
            "  <Pipe id=\"201\" name=\"SP\" type=\"SP\" material=\"PVC\" shortMaterial=\"PVC\">\n"
            "    <Segment id=\"301\" start=\"101\" end=\"102\"><V x=\"0\" y=\"0\"/><V x=\"1\" y=\"0\"/></Segment>\n"
            "    <Segment id=\"302\" start=\" 101 \"><V x=\"0\" y=\"0\"/><V x=\"1\" y=\"0\"/></Segment>\n"
            "  </Pipe>\n"
            "  <Manhole id=\"102\" name=\"-SK02\" type=\"Kum\" x=\"1\" y=\"0\"/>\n"
            "  <TrenchNode id=\"402\" objects=\"102  101\"/>\n"
            "  <TrenchNode id=\"403\" objects=\"\"/>\n")));
  ASSERT_TRUE(model.Loaded());
  EXPECT_EQ(Segment(model, 301)->getStartDevicePointObject(), model.Device(101));
  EXPECT_EQ(Segment(model, 301)->getEndDevicePointObject(), model.Device(102));
  EXPECT_EQ(Segment(model, 302)->getStartDevicePointObject(), model.Device(101));
  EXPECT_EQ(Segment(model, 302)->getEndDevicePointObject(), nullptr);
  EXPECT_EQ(PointObject(model, 101)->numDeviceSegmentStarts(), 2);
  EXPECT_EQ(PointObject(model, 102)->numDeviceSegmentEnds(), 1);
  EXPECT_EQ(model.nodeLinks->numLinks(PointObject(model, 101)), 2);
  EXPECT_EQ(model.nodeLinks->numLinks(PointObject(model, 102)), 1);
}
