#pragma once
// The pieces of one generated trench path with everything in it, as the
// generator builds them and the writers put them into files.

#include <cstdint>
#include <string>
#include <vector>

namespace wsmodel {

struct Place {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  bool hasZ = false;
};

struct GenPointObject {
  const char* element;  // Manhole, Valve, ...
  int id;
  std::string name;
  std::string type;
  bool hasPosition;
  Place at;
};

struct PipeKind {
  const char* name;
  const char* type;
  const char* material;
  const char* shortMaterial;
  int dimension;  // 0: the model gives none
};

struct GenSegment {
  int id;
  int start;  // point object ids
  int end;
  std::vector<Place> vertices;
};

struct GenPipe {
  int id;
  const PipeKind* kind;
  std::vector<GenSegment> segments;
};

struct GenEdge {
  int section;
  int from;  // trench node ids
  int to;
  std::vector<int> segments;
};

struct GenTrenchPath {
  int id;
  std::string name;
  int type;
  std::int64_t modified;
  std::vector<GenEdge> edges;
};

struct GenTrenchNode {
  int id;
  double x;
  double y;
  std::vector<int> objects;
};

struct GenOtherObject {
  int id;
  std::uint64_t classId;
  std::string name;  // empty for topology objects
  std::string type;
};

}  // namespace wsmodel
