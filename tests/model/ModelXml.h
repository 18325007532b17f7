#pragma once
// Networks for the model access tests, described in plain data and written
// as model files, so that every test loads its network the way an export does.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace testnet {

using Point = std::pair<double, double>;

struct PointObject {
  int id = 0;
  std::string element = "Manhole";  // Manhole, Hydrant, Valve, Gully, Fitting, Outlet, PipeJoint
  std::string name;
  std::string type;
  std::optional<Point> position;
};

struct Segment {
  int id = 0;
  int start = 0;  // 0: none
  int end = 0;
  std::vector<Point> vertices;
};

struct Pipe {
  int id = 0;
  std::string name;
  std::string type = "SP";
  std::string material = "PVC";
  std::string shortMaterial = "PVC";
  std::vector<Segment> segments;
};

// A device of a class with no element of its own.
struct OtherDevice {
  int id = 0;
  std::string classId = "0x3b703f9001ff";
};

struct Edge {
  int section = 0;  // 0: the edge has no section
  int from = 0;
  int to = 0;
  std::vector<int> segments;
};

struct TrenchPath {
  int id = 0;
  std::string name;
  int type = 1;
  std::int64_t modified = 0;
  std::vector<Edge> edges;
};

struct TrenchNode {
  int id = 0;
  std::optional<Point> position;
  std::vector<int> objects;
};

struct TrenchObject {
  int id = 0;
  std::string classId = "0x3b7011ff0001";
};

using Element = std::variant<PointObject, Pipe, OtherDevice, TrenchPath, TrenchNode, TrenchObject>;

struct Network {
  std::vector<Element> elements;  // in file order
};

std::string ToModelXml(const Network& network);

}  // namespace testnet
