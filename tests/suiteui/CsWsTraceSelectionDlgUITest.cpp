#include <gtest/gtest.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "CTracePathMap.h"
#include "CsWsTraceSelectionDlgUI.h"
#include "ModalTestHooks.h"

using platform::ModalRunner;

void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace {

const QString kDialog = QStringLiteral("TraceSelectionDialog");

std::vector<WsTraceSelectionDlgInfo> ThreePaths() {
  return {
      {L"Grøft A", 601, 1, 1733400000},
      {L"Grøft B – Storgata", 602, 2, 1733486400},
      {L"Grøft C", 603, 4, 0},
  };
}

QTreeWidget& List(QDialog& dialog) { return *dialog.findChild<QTreeWidget*>(QStringLiteral("traceList")); }

int PressBox(QDialog& dialog, QDialogButtonBox::StandardButton button) {
  dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(button)->click();
  return dialog.result();
}

void SetChecked(QDialog& dialog, int row, bool checked) {
  List(dialog).topLevelItem(row)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

struct Outcome {
  std::vector<int> ids;
  bool result = false;
};

// Shows the three paths with the given ids preselected and lets `script` act as the user.
Outcome StartWith(std::vector<int> ids, ModalRunner::Script script, const CsWsTraceSelectionDlgUI& ui = {}) {
  platform::ScriptedDialogs scripts;
  scripts.Then(kDialog, std::move(script));
  Outcome run{std::move(ids)};
  run.result = ui.StartDialog(ThreePaths(), run.ids, true, WS::kAllTrenchPathTypes, L"Velg grøfteløp å eksportere");
  EXPECT_EQ(scripts.Pending(), 0);
  return run;
}

}  // namespace

TEST(CsWsTraceSelectionDlgUI, OkGivesTheRowsLeftCheckedInRowOrderAndCancelLeavesTheIds) {
  const auto after = [](const char* button, int row, bool checked) {
    return [=](QDialog& d) {
      d.findChild<QPushButton*>(QString::fromLatin1(button))->click();
      SetChecked(d, row, checked);
      return PressBox(d, QDialogButtonBox::Ok);
    };
  };
  EXPECT_EQ(StartWith({603, 602}, after("selectAllButton", 1, false)).ids, (std::vector<int>{601, 603}));
  EXPECT_EQ(StartWith({603, 602}, after("selectNoneButton", 1, true)).ids, (std::vector<int>{602}));
  const Outcome cancelled = StartWith({603, 602, 601}, [](QDialog& d) {
    SetChecked(d, 1, false);
    return PressBox(d, QDialogButtonBox::Cancel);
  });
  EXPECT_FALSE(cancelled.result);
  EXPECT_EQ(cancelled.ids, (std::vector<int>{603, 602, 601}));
}

TEST(CsWsTraceSelectionDlgUI, OpensOnTheListWithThePromptNoMapWithoutOutlinesAndCutsNothingWhenSmall) {
  StartWith({601}, [](QDialog& d) {
    EXPECT_EQ(d.focusWidget(), &List(d));
    EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("promptLabel"))->text(), QStringLiteral("Velg grøfteløp å eksportere"));
    EXPECT_EQ(List(d).topLevelItem(2)->text(3), QString());
    EXPECT_FALSE(d.findChild<CTracePathMap*>(QStringLiteral("pathMap"))->isVisible());
    d.resize(1, 1);
    QCoreApplication::processEvents();
    for (const QWidget* widget : d.findChildren<QWidget*>()) {
      const auto* label = qobject_cast<const QLabel*>(widget);
      if (((label != nullptr && !label->wordWrap()) || qobject_cast<const QPushButton*>(widget)) &&
          widget->isVisible()) {
        EXPECT_GE(widget->width(), widget->sizeHint().width()) << widget->objectName().toStdString();
      }
    }
    return int(QDialog::Rejected);
  });
}

TEST(CsWsTraceSelectionDlgUI, TheMapAndCountFollowTheChecksAndAClickOnThePathTogglesItsRow) {
  CsWsTraceSelectionDlgUI ui;
  ui.SetPathOutlines({{601, {{{597000, 6650000}, {597100, 6650000}}}},
                      {602, {{{597000, 6650100}, {597100, 6650100}}}},
                      {999, {{{597100, 6650100}, {597200, 6650100}}}}});
  const Outcome run = StartWith(
      {601, 602, 603},
      [](QDialog& d) {
        auto& map = *d.findChild<CTracePathMap*>(QStringLiteral("pathMap"));
        auto& count = *d.findChild<QLabel*>(QStringLiteral("countLabel"));
        EXPECT_EQ(count.text(), "3 av 3 valgt");
        SetChecked(d, 1, false);
        SetChecked(d, 2, false);
        EXPECT_EQ(map.Selected(), (std::set<int>{601}));
        EXPECT_EQ(count.text(), "1 av 3 valgt");
        QTest::mouseClick(&map, Qt::LeftButton, {}, map.MapToWidget(597050, 6650100).toPoint());
        EXPECT_EQ(List(d).currentItem(), List(d).topLevelItem(1));
        EXPECT_EQ(map.Current(), 602);
        EXPECT_EQ(count.text(), "2 av 3 valgt");
        return PressBox(d, QDialogButtonBox::Ok);
      },
      ui);
  EXPECT_EQ(run.ids, (std::vector<int>{601, 602}));
}
