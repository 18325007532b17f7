#include "RandomNetwork.h"

#include <algorithm>
#include <random>

namespace {

using namespace testnet;

const char* const kElements[] = {"Manhole", "Manhole", "Manhole", "Hydrant",  "Valve",
                                 "Gully",   "Fitting", "Outlet",  "PipeJoint"};
// Short names as the tags give them (-DE), and some that no tag gives.
const char* const kNames[] = {"-SK01", "-SK02", "-SK03", "-SK04", "-K1", "-K2", "-SK05", "H1", "", "Kum"};

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  RandomCase Make() {
    RandomCase result;
    MakePointObjects();
    MakePipes();
    MakeNodes();
    MakePaths();
    for (int i = Below(3); i > 0; --i) elements_.push_back(TrenchObject{NextId()});
    for (int i = Below(2); i > 0; --i) elements_.push_back(OtherDevice{NextId()});
    std::shuffle(elements_.begin(), elements_.end(), random_);
    result.network.elements = std::move(elements_);
    result.selectedIds = MakeSelection();
    result.overviewFiles = MakeOverviewFiles();
    return result;
  }

 private:
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }
  int NextId() { return nextId_++; }
  Point GridPoint() { return {Below(13), Below(13)}; }
  template <typename T>
  const T& Pick(const std::vector<T>& from) {
    return from[static_cast<std::size_t>(Below(static_cast<int>(from.size())))];
  }

  int AnyPointObject() { return pointObjectIds_.empty() || Chance(0.1) ? 0 : Pick(pointObjectIds_); }

  void MakePointObjects() {
    for (int i = Below(25); i > 0; --i) {
      PointObject object;
      object.id = NextId();
      object.element = kElements[Below(std::size(kElements))];
      object.name = kNames[Below(std::size(kNames))];
      object.type = Chance(0.5) ? "Kum 1200 betong" : "Kum 1000";
      if (Chance(0.85)) object.position = GridPoint();
      pointObjectIds_.push_back(object.id);
      elements_.push_back(object);
    }
  }

  Segment MakeSegment(int start, int end) {
    Segment segment{NextId(), start, end, {}};
    for (int v = 2 + Below(2); v > 0; --v) segment.vertices.push_back(GridPoint());
    segmentIds_.push_back(segment.id);
    return segment;
  }

  void MakePipes() {
    for (int i = Below(10); i > 0; --i) {
      Pipe pipe;
      pipe.id = NextId();
      pipe.name = Chance(0.5) ? "SP 160 PVC" : "VL 110 PE";
      if (Chance(0.5) && pointObjectIds_.size() >= 2) {
        // A street: consecutive segments through a row of point objects, some reversed.
        int at = Pick(pointObjectIds_);
        for (int s = 1 + Below(5); s > 0; --s) {
          const int next = Pick(pointObjectIds_);
          pipe.segments.push_back(Chance(0.2) ? MakeSegment(next, at) : MakeSegment(at, next));
          at = next;
        }
      } else {
        for (int s = 1 + Below(3); s > 0; --s) pipe.segments.push_back(MakeSegment(AnyPointObject(), AnyPointObject()));
      }
      elements_.push_back(pipe);
    }
  }

  void MakeNodes() {
    for (int i = Below(8); i > 0; --i) {
      TrenchNode node;
      node.id = NextId();
      if (Chance(0.8)) node.position = GridPoint();
      for (int k = Below(3); k > 0 && !pointObjectIds_.empty(); --k) {
        const int object = Pick(pointObjectIds_);
        if (std::find(node.objects.begin(), node.objects.end(), object) == node.objects.end()) {
          node.objects.push_back(object);
        }
      }
      nodeIds_.push_back(node.id);
      elements_.push_back(node);
    }
  }

  int AnyNode() { return nodeIds_.empty() || Chance(0.15) ? 0 : Pick(nodeIds_); }

  void MakePaths() {
    const int types[] = {1, 1, 2, 4, 3, 0, 256};
    for (int i = Below(6); i > 0; --i) {
      TrenchPath path;
      path.id = NextId();
      path.name = "Grøft " + std::to_string(path.id);
      path.type = types[Below(std::size(types))];
      path.modified = 1733400000 + path.id;
      for (int e = 1 + Below(4); e > 0; --e) {
        Edge edge;
        edge.from = AnyNode();
        edge.to = AnyNode();
        if (Chance(0.9)) {
          edge.section = NextId();
          std::vector<int> pool = segmentIds_;
          std::shuffle(pool.begin(), pool.end(), random_);
          pool.resize(std::min<std::size_t>(pool.size(), static_cast<std::size_t>(Below(7))));
          edge.segments = pool;
        }
        path.edges.push_back(edge);
      }
      pathIds_.push_back(path.id);
      elements_.push_back(path);
    }
  }

  std::vector<int> MakeSelection() {
    std::vector<int> ids;
    if (Chance(0.08)) return ids;
    for (int id : pathIds_) {
      if (Chance(0.6)) ids.push_back(id);
    }
    if (Chance(0.1)) ids.push_back(999999);
    return ids;
  }

  std::string TagCells(const std::string& a, const std::string& shortName) {
    // "-SK01" -> D "SK", E "01"; "-K1" -> "K", "1".
    const std::size_t digits = shortName.find_first_of("0123456789");
    return "+;" + a + ";=;320;.;01;-;" + shortName.substr(1, digits - 1) + ";" + shortName.substr(digits);
  }

  std::string TagText(const std::string& a, const std::string& shortName) {
    const std::size_t digits = shortName.find_first_of("0123456789");
    return "+" + a + "=320.01-" + shortName.substr(1, digits - 1) + shortName.substr(digits);
  }

  std::vector<std::string> MakeOverviewFiles() {
    const std::vector<std::string> shortNames = {"-SK01", "-SK02", "-SK03", "-SK04", "-K1", "-K2"};
    const std::vector<std::string> areas = {"P1", "P2"};
    std::vector<std::string> files;
    std::string manholes = "Tag;Beskrivelse\n";
    std::vector<std::pair<std::string, std::string>> tagged;  // (cells, text)
    for (int i = Below(9); i > 0; --i) {
      const std::string& area = Pick(areas);
      const std::string& name = Pick(shortNames);
      manholes += TagCells(area, name) + ";Kum\r\n";
      tagged.emplace_back(TagCells(area, name), TagText(area, name));
    }
    files.push_back(manholes);
    if (!tagged.empty()) {
      std::string pipes = "Ledning;Fra;Til\n";
      for (int i = Below(12); i > 0; --i) {
        const auto& from = Pick(tagged);
        const auto& to = Pick(tagged);
        pipes += "+;P1;=;320;.;01;-;SP;" + std::to_string(i) + ";" + from.first + ";" + to.first;
        if (Chance(0.1)) pipes += ";" + to.first;  // a fourth tag is ignored
        pipes += "\n";
        if (Chance(0.1)) pipes += "+;P1;=;320;.;01;-;SP;99;" + from.first + "\n";  // two tags: no pipe line
      }
      files.push_back(pipes);
    }
    if (Chance(0.2)) files.push_back("x;y\n" + TagCells("P9", "-SK01") + ";" + TagCells("P9", "-SK02") + "\n");
    std::shuffle(files.begin(), files.end(), random_);
    return files;
  }

  std::mt19937 random_;
  int nextId_ = 1;
  std::vector<Element> elements_;
  std::vector<int> pointObjectIds_;
  std::vector<int> segmentIds_;
  std::vector<int> nodeIds_;
  std::vector<int> pathIds_;
};

}  // namespace

RandomCase MakeRandomCase(unsigned seed) { return Generator(seed).Make(); }
