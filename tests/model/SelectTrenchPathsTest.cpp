#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QTreeWidget>

#include "CTracePathMap.h"
#include "LoadedNetwork.h"
#include "ModalTestHooks.h"

using namespace testnet;

namespace {

const QString kDialog = QStringLiteral("TraceSelectionDialog");

// Three trench paths, one of type 0, and a topology object that is no path.
Network PathsNetwork() {
  Network net;
  net.elements.push_back(PointObject{1, "Manhole", "-SK01", "Kum", Point{0, 0}});
  net.elements.push_back(PointObject{2, "Manhole", "-SK02", "Kum", Point{10, 0}});
  net.elements.push_back(Pipe{3, "SP", "SP", "PVC", "PVC", {Segment{4, 1, 2, {{0, 0}, {5, 1}, {10, 0}}}}});
  net.elements.push_back(TrenchNode{5, Point{0, 0}, {}});
  net.elements.push_back(TrenchNode{6, Point{10, 0}, {}});
  net.elements.push_back(TrenchPath{601, "Grøft A", 1, 1733400000, {Edge{701, 5, 6, {4}}}});
  net.elements.push_back(TrenchObject{650});
  net.elements.push_back(TrenchPath{602, "Grøft B", 0, 0, {}});
  net.elements.push_back(TrenchPath{603, "Grøft C", 2, 7, {Edge{703, 5, 6, {}}}});
  net.elements.push_back(TrenchPath{604, "Grøft D", 4, 8, {}});
  return net;
}

QTreeWidget& List(QDialog& dialog) { return *dialog.findChild<QTreeWidget*>(QStringLiteral("traceList")); }

struct Seen {
  QStringList names;
  int checked = 0;
  QString prompt;
  TracePathOutlines outlines;
};

platform::ModalRunner::Script Look(Seen& seen, int answer) {
  return [&seen, answer](QDialog& dialog) {
    for (int i = 0; i < List(dialog).topLevelItemCount(); ++i) {
      seen.names << List(dialog).topLevelItem(i)->text(0);
      if (List(dialog).topLevelItem(i)->checkState(0) == Qt::Checked) ++seen.checked;
    }
    seen.prompt = dialog.findChild<QLabel*>(QStringLiteral("promptLabel"))->text();
    seen.outlines = dialog.findChild<CTracePathMap*>(QStringLiteral("pathMap"))->Outlines();
    return answer == QDialog::Accepted ? platform::ModalRunner::ConfirmUnchanged(dialog) : QDialog::Rejected;
  };
}

struct Confirmed {
  Seen seen;
  std::vector<int> ids;
  bool result = false;
};

// Loads `network` and confirms the trench path dialog unchanged.
Confirmed ConfirmUnchanged(const Network& network, const std::wstring& text = L"") {
  Confirmed confirmed;
  const auto net = LoadNetwork(network);
  if (net == nullptr) return confirmed;
  platform::ScriptedDialogs scripts;
  scripts.Then(kDialog, Look(confirmed.seen, QDialog::Accepted));
  confirmed.result = net->controller.SelectTrenchPaths(text, confirmed.ids);
  EXPECT_EQ(scripts.Pending(), 0);
  return confirmed;
}

}  // namespace

TEST(SelectTrenchPaths, EveryTrenchPathIsAPreselectedRowInTopologyOrderAndDrawnOnTheMap) {
  Confirmed confirmed = ConfirmUnchanged(PathsNetwork(), L"Velg grøfteløp");
  Seen& seen = confirmed.seen;
  EXPECT_TRUE(confirmed.result);
  EXPECT_EQ(confirmed.ids, (std::vector<int>{601, 603, 604}));
  EXPECT_EQ(seen.names, (QStringList{"Grøft A", "Grøft C", "Grøft D"}));
  EXPECT_EQ(seen.checked, 3);
  EXPECT_EQ(seen.prompt, "Velg grøfteløp");
  // The map draws each path's segments, or else the line between its nodes.
  using Line = std::vector<std::pair<double, double>>;
  EXPECT_EQ(seen.outlines[601], (std::vector<Line>{{{0, 0}, {5, 1}, {10, 0}}}));
  EXPECT_EQ(seen.outlines[603], (std::vector<Line>{{{0, 0}, {10, 0}}}));
  EXPECT_TRUE(seen.outlines[604].empty());
}

TEST(SelectTrenchPaths, SegmentsThatGoOnFromOneAnotherMakeOneMapLine) {
  Network net;
  net.elements.push_back(PointObject{1, "Manhole", "-SK01", "Kum", Point{0, 0}});
  net.elements.push_back(PointObject{2, "Manhole", "-SK02", "Kum", Point{10, 0}});
  net.elements.push_back(PointObject{3, "Manhole", "-SK03", "Kum", Point{20, 0}});
  net.elements.push_back(PointObject{4, "Manhole", "-SK04", "Kum", Point{20, 5}});
  // The third segment is drawn against the running direction: it starts where the line ends no more.
  net.elements.push_back(Pipe{10, "SP", "SP", "PVC", "PVC",
                              {Segment{11, 1, 2, {{0, 0}, {10, 0}}}, Segment{12, 2, 3, {{10, 0}, {15, 1}, {20, 0}}},
                               Segment{13, 4, 3, {{20, 5}, {20, 0}}}}});
  net.elements.push_back(TrenchNode{5, Point{0, 0}, {}});
  net.elements.push_back(TrenchNode{6, Point{20, 5}, {}});
  net.elements.push_back(TrenchPath{601, "Grøft A", 1, 0, {Edge{701, 5, 6, {11, 12, 13}}}});
  Seen seen = ConfirmUnchanged(net).seen;
  using Line = std::vector<std::pair<double, double>>;
  EXPECT_EQ(seen.outlines[601], (std::vector<Line>{{{0, 0}, {10, 0}, {15, 1}, {20, 0}}, {{20, 5}, {20, 0}}}));
}

TEST(SelectTrenchPaths, CancelOrAnEmptySelectionFails) {
  const auto net = LoadNetwork(PathsNetwork());
  ASSERT_NE(net, nullptr);
  Seen seen;
  platform::ScriptedDialogs scripts;
  scripts.Then(kDialog, Look(seen, QDialog::Rejected)).Then(kDialog, [](QDialog& dialog) {
    for (int i = 0; i < List(dialog).topLevelItemCount(); ++i)
      List(dialog).topLevelItem(i)->setCheckState(0, Qt::Unchecked);
    return platform::ModalRunner::ConfirmUnchanged(dialog);
  });
  std::vector<int> ids;
  EXPECT_FALSE(net->controller.SelectTrenchPaths(L"", ids));
  EXPECT_EQ(ids, (std::vector<int>{601, 603, 604}));  // the preselection, untouched by Cancel
  ids.clear();
  EXPECT_FALSE(net->controller.SelectTrenchPaths(L"", ids));
  EXPECT_TRUE(ids.empty());
}

TEST(SelectTrenchPaths, AModelWithoutPathsStillShowsTheDialog) {
  Network net;
  net.elements.push_back(PointObject{1, "Hydrant", "H1", "Hydrant", Point{0, 0}});
  const Confirmed confirmed = ConfirmUnchanged(net);
  EXPECT_FALSE(confirmed.result);
  EXPECT_TRUE(confirmed.seen.names.isEmpty());
  EXPECT_TRUE(confirmed.ids.empty());
}

TEST(SelectTrenchPaths, ABatchRunThatNobodyWatchesLeavesTheMapOut) {
  const auto net = LoadNetwork(PathsNetwork());
  ASSERT_NE(net, nullptr);
  Seen seen;
  platform::ModalRunner::SetBatchAnswer(kDialog, Look(seen, QDialog::Accepted));
  std::vector<int> ids;
  const bool result = net->controller.SelectTrenchPaths(L"", ids);
  platform::ModalRunner::ClearBatchAnswers();
  EXPECT_TRUE(result);
  EXPECT_EQ(ids, (std::vector<int>{601, 603, 604}));
  EXPECT_EQ(seen.names.size(), 3);
  EXPECT_TRUE(seen.outlines.empty());
}
