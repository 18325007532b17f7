#include "NetworkGenerator.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "GeneratedNetwork.h"
#include "GeneratorRandom.h"
#include "ModelXmlWriter.h"
#include "OverviewCsvWriter.h"

namespace wsmodel {

namespace {

constexpr std::uint64_t kPumpClass = 0x3b703fd20115;
constexpr std::uint64_t kCasingPipeClass = 0x3b7012a400f1;

enum class Line { Sewer, Storm, Water };

struct WeightedKind {
  PipeKind kind;
  double weight;
};

// Old cast iron water mains often have no recorded dimension.
const WeightedKind kSewerKinds[] = {{{"SP 160 PVC", "SP", "PVC", "PVC", 160}, 0.7},
                                    {{"SP 200 PVC", "SP", "PVC", "PVC", 200}, 0.2},
                                    {{"SP 110 PVC", "SP", "PVC", "PVC", 110}, 0.1}};
const WeightedKind kStormKinds[] = {{{"OV 250 PP", "OV", "PP", "PP", 250}, 0.6},
                                    {{"OV 315 PP", "OV", "PP", "PP", 315}, 0.3},
                                    {{"OV 400 BET", "OV", "Betong", "BET", 400}, 0.1}};
const WeightedKind kWaterKinds[] = {{{"VL 110 PE", "VL", "PE", "PE", 110}, 0.5},
                                    {{"VL 160 PE", "VL", "PE", "PE", 160}, 0.3},
                                    {{"VL 150 SJK", "VL", "Duktilt støpejern", "SJK", 0}, 0.15},
                                    {{"VL 32 PE", "VL", "PE", "PE", 32}, 0.05}};

const char* const kSewerManholes[] = {"Kum 1200 betong", "Kum 1200 betong", "Kum 1000 betong",
                                      "Spillvannskum 1000 PP"};
const char* const kStormManholes[] = {"Overvannskum 1000 betong", "Overvannskum 1000 betong", "Kum 1000 PP"};
const char* const kStreets[] = {"Storgata",  "Kirkevegen",   "Skolegata", "Fjellvegen", "Bekkestien",
                                "Åsvegen",   "Kongens gate", "Møllevegen", "Sjøgata",    "Øvre Ringveg",
                                "Bjørkelia", "Gårdsvegen",   "Elvebakken", "Løkkevegen", "Tærudvegen"};

// Streets are laid out in chains of up to three, end to end, eight chains to a row.
constexpr int kChainsPerRow = 8;
constexpr int kMaxChainLength = 3;

template <std::size_t N>
const PipeKind& PickKind(GeneratorRandom& random, const WeightedKind (&kinds)[N]) {
  double draw = random.Unit();
  for (const WeightedKind& kind : kinds) {
    if (draw < kind.weight) return kind.kind;
    draw -= kind.weight;
  }
  return kinds[N - 1].kind;
}

template <std::size_t N>
const char* PickText(GeneratorRandom& random, const char* const (&texts)[N]) {
  return texts[random.Between(0, static_cast<int>(N) - 1)];
}

std::string TwoDigits(int number) {
  std::string digits = std::to_string(number);
  if (digits.size() < 2) digits.insert(digits.begin(), '0');
  return digits;
}

struct StreetPoint {
  double x;
  double y;
  double ground;
  double normalX;  // unit vector to the left of the street
  double normalY;
};

// A line's point object at a node, with its overview tag when it is a manhole.
struct LinePoint {
  int id = 0;
  std::optional<OverviewTag> tag;
};

// Where one street ends and the next of its chain begins: the node they share,
// and the point objects of the lines that reach it.
struct Junction {
  int nodeId;
  StreetPoint at;
  double heading;
  int chainLength;
  std::optional<LinePoint> lines[3];  // by Line
};

const std::optional<LinePoint> kNoPoint;

}  // namespace

// One trench path with its lines and point objects, written as soon as it is made.
class NetworkGenerator::Path {
 public:
  struct Numbers {
    int nextId = 1;
    int sewerManholes = 0;
    int stormManholes = 0;
    int pipeTags = 0;
    int others = 0;  // valves, hydrants, gullies, ... share one running number
  };

  // A street that continues `start`, or begins chain number `chain` when there is none.
  Path(GeneratorRandom& random, Numbers& numbers, GeneratorCounts& counts, int pathNumber, const Junction* start,
       int chain)
      : random_(random), numbers_(numbers), counts_(counts), pathNumber_(pathNumber), start_(start), chain_(chain) {}

  // Makes the path with at most `pipeBudget` pipes; gives how many it made.
  std::int64_t Make(std::int64_t pipeBudget, OverviewCsvWriter* overview) {
    overview_ = overview;
    LayOutStreet();
    std::int64_t made = 0;
    bool sewer = random_.Chance(0.9);
    const bool storm = random_.Chance(0.75);
    const bool water = random_.Chance(0.8);
    if (!sewer && !storm && !water) sewer = true;
    if (sewer) made += MakeLine(Line::Sewer, pipeBudget - made);
    if (storm && made < pipeBudget) made += MakeLine(Line::Storm, pipeBudget - made);
    if (water && made < pipeBudget) made += MakeLine(Line::Water, pipeBudget - made);
    AddStreetFurniture();
    return made;
  }

  void Write(ModelXmlWriter& writer) {
    for (const GenPointObject& pointObject : points_) writer.PointObject(pointObject);
    for (const GenPipe& pipe : pipes_) writer.Pipe(pipe);
    if (pump_) writer.Device(*pump_);
    writer.TrenchPath(path_);
    if (casing_) writer.TrenchObject(*casing_);
    // A shared first node was written with the street before.
    const std::size_t firstNode = start_ != nullptr ? 1 : 0;
    for (std::size_t n = firstNode; n < nodes_.size(); ++n) writer.TrenchNode(nodes_[n]);
    counts_.composites += static_cast<int>(points_.size() + pipes_.size() + nodes_.size() - firstNode) + 1 +
                          (pump_ ? 1 : 0) + (casing_ ? 1 : 0);
  }

  // The end of this street, for a street that continues it.
  Junction End() const {
    Junction end{nodes_.back().id, street_.back(), heading_, start_ != nullptr ? start_->chainLength + 1 : 1, {}};
    for (int line = 0; line < 3; ++line) end.lines[line] = endPoints_[line];
    return end;
  }

 private:
  int NewId() { return numbers_.nextId++; }

  void LayOutStreet() {
    const int edges = random_.Between(20, 50);
    double x = 0.0;
    double y = 0.0;
    if (start_ != nullptr) {
      heading_ = start_->heading;
      street_.push_back(start_->at);
      nodes_.push_back({start_->nodeId, start_->at.x, start_->at.y, {}});
      x = start_->at.x;
      y = start_->at.y;
    } else {
      heading_ = random_.Between(-0.12, 0.12);
      x = 597000.0 + (chain_ % kChainsPerRow) * 9000.0 + random_.Between(-50.0, 50.0);
      y = 6650000.0 + (chain_ / kChainsPerRow) * 200.0 + random_.Between(-30.0, 30.0);
    }
    for (int n = start_ != nullptr ? 1 : 0; n <= edges; ++n) {
      if (n > 0) {
        const double length = random_.Between(30.0, 55.0);
        heading_ = std::clamp(heading_ + random_.Between(-0.08, 0.08), -0.15, 0.15);
        x += length * std::cos(heading_);
        y += length * std::sin(heading_);
      }
      const double ground = 100.0 + 12.0 * std::sin(x / 850.0) + 8.0 * std::cos(y / 640.0) + random_.Between(-0.2, 0.2);
      street_.push_back({x, y, ground, -std::sin(heading_), std::cos(heading_)});
      nodes_.push_back({NewId(), x, y, {}});
    }

    const bool retired = random_.Chance(0.08);
    path_.id = NewId();
    path_.name = "Grøft " + std::to_string(pathNumber_ + 1) + " " + PickText(random_, kStreets);
    if (retired) {
      path_.name += " (utgått)";
      path_.type = 0;
    } else {
      const double draw = random_.Unit();
      path_.type = draw < 0.7 ? 1 : draw < 0.9 ? 2 : 4;
    }
    path_.modified = 1700000000 + static_cast<std::int64_t>(random_.Between(0, 40'000'000));
    for (int e = 0; e < edges; ++e) path_.edges.push_back({NewId(), nodes_[e].id, nodes_[e + 1].id, {}});
    counts_.trenchPaths += 1;
    counts_.topologyObjects += 1;
    counts_.unselectablePaths += retired ? 1 : 0;
    counts_.trenchNodes += start_ != nullptr ? edges : edges + 1;
    counts_.edges += edges;
  }

  Place Beside(int node, double offset, bool withHeight) const {
    const StreetPoint& at = street_[static_cast<std::size_t>(node)];
    return {at.x + at.normalX * offset, at.y + at.normalY * offset, at.ground, withHeight};
  }

  int AddPointObject(const char* element, std::string name, const char* type, std::optional<Place> at) {
    const int id = NewId();
    points_.push_back({element, id, std::move(name), type, at.has_value(), at.value_or(Place{})});
    counts_.pointObjects += 1;
    return id;
  }

  std::string OtherName(const char* prefix) { return prefix + std::to_string(++numbers_.others); }

  // Lays one line along the street from its first edge on, in pipes of one to
  // three segments, until the street ends or the budget is spent.
  std::int64_t MakeLine(Line line, std::int64_t budget) {
    std::vector<std::pair<int, int>> runs;  // first edge, edge count
    int covered = 0;
    const int edges = static_cast<int>(path_.edges.size());
    while (covered < edges && static_cast<std::int64_t>(runs.size()) < budget) {
      const int length = std::min(random_.Between(1, 3), edges - covered);
      runs.emplace_back(covered, length);
      covered += length;
    }
    std::vector<bool> pipeEnd(static_cast<std::size_t>(covered) + 1, false);
    for (const auto& [first, length] : runs) pipeEnd[static_cast<std::size_t>(first)] = true;
    pipeEnd[static_cast<std::size_t>(covered)] = true;

    std::vector<int> atNode;
    std::vector<std::optional<OverviewTag>> tags;
    const std::optional<LinePoint>& shared = start_ != nullptr ? start_->lines[static_cast<int>(line)] : kNoPoint;
    for (int n = 0; n <= covered; ++n) {
      std::optional<OverviewTag> tag;
      if (n == 0 && shared) {
        // The line goes on from the manhole (valve, ...) where the last street left it.
        atNode.push_back(shared->id);
        tags.push_back(shared->tag);
        continue;
      }
      atNode.push_back(AddLinePoint(line, n, pipeEnd[static_cast<std::size_t>(n)], n == edges, tag));
      // A shared first node has been written already; a new point object there stays unlinked.
      if (n > 0 || start_ == nullptr) nodes_[static_cast<std::size_t>(n)].objects.push_back(atNode.back());
      tags.push_back(tag);
    }
    if (covered == edges) endPoints_[static_cast<int>(line)] = LinePoint{atNode.back(), tags.back()};

    const PipeKind& kind = line == Line::Sewer   ? PickKind(random_, kSewerKinds)
                           : line == Line::Storm ? PickKind(random_, kStormKinds)
                                                 : PickKind(random_, kWaterKinds);
    // Gravity lines run either way along the street, as the ground falls.
    const bool reversed = line != Line::Water && random_.Chance(0.4);
    const double depth = line == Line::Sewer ? 2.3 : line == Line::Storm ? 1.9 : 1.8;
    for (const auto& [first, length] : runs) {
      GenPipe& pipe = pipes_.emplace_back(GenPipe{NewId(), &kind, {}});
      for (int k = 0; k < length; ++k) {
        const int e = reversed ? first + length - 1 - k : first + k;
        const int from = reversed ? e + 1 : e;
        const int to = reversed ? e : e + 1;
        GenSegment& segment = pipe.segments.emplace_back(
            GenSegment{NewId(), atNode[static_cast<std::size_t>(from)], atNode[static_cast<std::size_t>(to)], {}});
        Curve(segment, from, to, line, depth);
        path_.edges[static_cast<std::size_t>(e)].segments.push_back(segment.id);
        counts_.segments += 1;
        const auto& start = tags[static_cast<std::size_t>(from)];
        const auto& end = tags[static_cast<std::size_t>(to)];
        if (overview_ != nullptr && start && end) {
          const OverviewTag pipeTag{"P1", "320", "01", kind.type, TwoDigits(++numbers_.pipeTags)};
          if (random_.Chance(0.8)) {
            overview_->PipeLine(pipeTag, *start, *end);
          } else {
            overview_->PipeLine(pipeTag, *end, *start);
          }
          counts_.pipeLines += 1;
        }
      }
    }
    counts_.pipes += static_cast<int>(runs.size());
    return static_cast<std::int64_t>(runs.size());
  }

  // The point object of a line at a node: manholes on gravity lines (an
  // outlet may end a storm water line), valves, hydrants, branches and pipe
  // joints on water lines.
  int AddLinePoint(Line line, int node, bool pipeEnd, bool streetEnd, std::optional<OverviewTag>& tag) {
    if (line == Line::Water) {
      const Place at = Beside(node, -1.6, true);
      if (!pipeEnd) return AddPointObject("PipeJoint", OtherName("J"), "Rørskjøt", Beside(node, -1.6, false));
      const double draw = random_.Unit();
      if (draw < 0.6) return AddPointObject("Valve", OtherName("V"), "Ventil", at);
      if (draw < 0.85) return AddPointObject("Hydrant", OtherName("H"), "Hydrant", at);
      return AddPointObject("Fitting", OtherName("G"), "Grenpunkt", at);
    }
    if (line == Line::Storm && streetEnd && random_.Chance(0.3)) {
      return AddPointObject("Outlet", OtherName("U"), "Utløp", Beside(node, 1.6, true));
    }
    const bool sewer = line == Line::Sewer;
    const std::string number = TwoDigits(sewer ? ++numbers_.sewerManholes : ++numbers_.stormManholes);
    tag = OverviewTag{"P1", "320", "01", sewer ? "SK" : "OK", number};
    if (overview_ != nullptr) {
      overview_->Manhole(*tag);
      counts_.manholeTags += 1;
    }
    return AddPointObject("Manhole", tag->ShortName(),
                          sewer ? PickText(random_, kSewerManholes) : PickText(random_, kStormManholes),
                          Beside(node, sewer ? 0.0 : 1.6, true));
  }

  void Curve(GenSegment& segment, int from, int to, Line line, double depth) {
    const double offset = line == Line::Sewer ? 0.0 : line == Line::Storm ? 1.6 : -1.6;
    Place start = Beside(from, offset, true);
    Place end = Beside(to, offset, true);
    start.z -= depth + random_.Between(0.0, 0.3);
    end.z -= depth + random_.Between(0.0, 0.3);
    segment.vertices.push_back(start);
    if (random_.Chance(0.3)) {
      const StreetPoint& at = street_[static_cast<std::size_t>(from)];
      const double side = random_.Between(-0.8, 0.8);
      segment.vertices.push_back({(start.x + end.x) / 2 + at.normalX * side, (start.y + end.y) / 2 + at.normalY * side,
                                  (start.z + end.z) / 2, true});
    }
    segment.vertices.push_back(end);
  }

  // Gullies and hydrants beside the street, tappings and cleaning pipes at
  // nodes, now and then a branch without a position, a pump or a casing pipe.
  void AddStreetFurniture() {
    for (std::size_t n = start_ != nullptr ? 1 : 0; n < nodes_.size(); ++n) {
      if (!random_.Chance(0.06)) continue;
      const bool tapping = random_.Chance(0.5);
      nodes_[n].objects.push_back(AddPointObject("Fitting", OtherName(tapping ? "AN" : "ST"),
                                                 tapping ? "Anboring" : "Stakerør",
                                                 Beside(static_cast<int>(n), -3.0, true)));
    }
    for (std::size_t e = 0; e + 1 < nodes_.size(); ++e) {
      const StreetPoint& a = street_[e];
      const StreetPoint& b = street_[e + 1];
      const double offset = (random_.Chance(0.5) ? 1.0 : -1.0) * random_.Between(4.0, 10.0);
      const Place beside{(a.x + b.x) / 2 + a.normalX * offset, (a.y + b.y) / 2 + a.normalY * offset,
                         (a.ground + b.ground) / 2 - 0.05, true};
      if (random_.Chance(0.3)) AddFree("Gully", OtherName("S"), "Sluk", beside);
      if (random_.Chance(0.02)) AddFree("Gully", OtherName("SF"), "Sandfangskum", beside);
      if (random_.Chance(0.04)) AddFree("Hydrant", OtherName("H"), "Hydrant", beside);
    }
    if (random_.Chance(0.03)) AddFree("Fitting", OtherName("G"), "Grenpunkt", std::nullopt);
    if (random_.Chance(0.04)) {
      pump_ = GenOtherObject{NewId(), kPumpClass, "Pumpe " + OtherName("P"), "Dykket pumpe"};
      counts_.otherDevices += 1;
    }
    if (random_.Chance(0.04)) {
      casing_ = GenOtherObject{NewId(), kCasingPipeClass, "", ""};
      counts_.topologyObjects += 1;
    }
  }

  void AddFree(const char* element, std::string name, const char* type, std::optional<Place> at) {
    AddPointObject(element, std::move(name), type, at);
    counts_.freePointObjects += 1;
  }

  GeneratorRandom& random_;
  Numbers& numbers_;
  GeneratorCounts& counts_;
  const int pathNumber_;
  const Junction* start_;
  const int chain_;
  OverviewCsvWriter* overview_ = nullptr;
  double heading_ = 0.0;
  std::optional<LinePoint> endPoints_[3];  // by Line, for lines that reach the last node

  std::vector<StreetPoint> street_;
  std::vector<GenTrenchNode> nodes_;
  GenTrenchPath path_;
  std::vector<GenPointObject> points_;
  std::vector<GenPipe> pipes_;
  std::optional<GenOtherObject> pump_;
  std::optional<GenOtherObject> casing_;
};

NetworkGenerator::NetworkGenerator(std::int64_t pipes, std::uint64_t seed) : pipes_(pipes), seed_(seed) {}

NetworkGenerator::~NetworkGenerator() = default;

GeneratorCounts NetworkGenerator::Write(OutputSink& model, OutputSink* manholeOverview, OutputSink* pipeOverview) {
  GeneratorRandom random(seed_);
  GeneratorCounts counts;
  Path::Numbers numbers;
  ModelXmlWriter writer(model);
  std::optional<OverviewCsvWriter> overview;
  if (manholeOverview != nullptr && pipeOverview != nullptr) overview.emplace(*manholeOverview, *pipeOverview);

  writer.Begin(seed_);
  std::int64_t made = 0;
  int chain = -1;
  std::optional<Junction> end;
  for (int pathNumber = 0; made < pipes_; ++pathNumber) {
    // Half the streets go on from where the last one ended.
    const bool continues = end && end->chainLength < kMaxChainLength && random.Chance(0.5);
    if (!continues) ++chain;
    Path path(random, numbers, counts, pathNumber, continues ? &*end : nullptr, chain);
    made += path.Make(pipes_ - made, overview ? &*overview : nullptr);
    path.Write(writer);
    end = path.End();
  }
  writer.End();
  return counts;
}

}  // namespace wsmodel
