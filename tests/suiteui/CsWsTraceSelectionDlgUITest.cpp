#include <gtest/gtest.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <ctime>

#include "CTracePathMap.h"
#include "CsWsTraceSelectionDlgUI.h"
#include "ModalRunner.h"

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

int Press(QDialog& dialog, const char* button) {
  dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click();
  return dialog.result();
}

int PressBox(QDialog& dialog, QDialogButtonBox::StandardButton button) {
  dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(button)->click();
  return dialog.result();
}

void SetChecked(QDialog& dialog, int row, bool checked) {
  List(dialog).topLevelItem(row)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

std::vector<Qt::CheckState> CheckStates(QDialog& dialog) {
  std::vector<Qt::CheckState> states;
  for (int i = 0; i < List(dialog).topLevelItemCount(); ++i) states.push_back(List(dialog).topLevelItem(i)->checkState(0));
  return states;
}

struct Outcome {
  std::vector<int> ids;
  bool result = false;
};

// Shows the three paths with the given ids preselected and lets `script` act as the user.
Outcome StartWith(std::vector<int> ids, ModalRunner::Script script, bool multiSelect = true,
              WS::WSTrenchPathType mask = WS::kAllTrenchPathTypes, const CsWsTraceSelectionDlgUI& ui = {}) {
  platform::ScriptedDialogs scripts;
  scripts.Then(kDialog, std::move(script));
  Outcome run{std::move(ids)};
  run.result = ui.StartDialog(ThreePaths(), run.ids, multiSelect, mask, L"Velg grøfteløp å eksportere");
  EXPECT_EQ(scripts.Pending(), 0);
  return run;
}

}  // namespace

TEST(CsWsTraceSelectionDlgUI, OkGivesTheRowsLeftCheckedInRowOrder) {
  const Outcome run = StartWith({603, 602, 601}, [](QDialog& d) {
    SetChecked(d, 1, false);
    return PressBox(d, QDialogButtonBox::Ok);
  });
  EXPECT_TRUE(run.result);
  EXPECT_EQ(run.ids, (std::vector<int>{601, 603}));
}

TEST(CsWsTraceSelectionDlgUI, CancelLeavesTheIdsAsTheyWere) {
  const Outcome run = StartWith({603, 601}, [](QDialog& d) {
    SetChecked(d, 1, true);
    SetChecked(d, 2, false);
    return PressBox(d, QDialogButtonBox::Cancel);
  });
  EXPECT_FALSE(run.result);
  EXPECT_EQ(run.ids, (std::vector<int>{603, 601}));
}

TEST(CsWsTraceSelectionDlgUI, SelectAllAndSelectNoneChangeEveryRow) {
  const Outcome all = StartWith({}, [](QDialog& d) {
    Press(d, "selectAllButton");
    return PressBox(d, QDialogButtonBox::Ok);
  });
  EXPECT_EQ(all.ids, (std::vector<int>{601, 602, 603}));
  const Outcome none = StartWith({601, 602, 603}, [](QDialog& d) {
    Press(d, "selectNoneButton");
    return PressBox(d, QDialogButtonBox::Ok);
  });
  EXPECT_TRUE(none.result);
  EXPECT_TRUE(none.ids.empty());
}

TEST(CsWsTraceSelectionDlgUI, RowsSharingNoBitWithTheMaskAreNotShown) {
  const Outcome run = StartWith(
      {601, 602, 603},
      [](QDialog& d) {
        EXPECT_EQ(List(d).topLevelItemCount(), 2);
        EXPECT_EQ(List(d).topLevelItem(1)->text(0), QStringLiteral("Grøft C"));
        return PressBox(d, QDialogButtonBox::Ok);
      },
      true, 5);
  // A hidden row cannot stay selected.
  EXPECT_EQ(run.ids, (std::vector<int>{601, 603}));
}

TEST(CsWsTraceSelectionDlgUI, SingleSelectionKeepsOneRowChecked) {
  const Outcome run = StartWith(
      {602, 603},
      [](QDialog& d) {
        EXPECT_EQ(CheckStates(d), (std::vector{Qt::Unchecked, Qt::Checked, Qt::Unchecked}));
        EXPECT_FALSE(d.findChild<QPushButton*>(QStringLiteral("selectAllButton"))->isEnabled());
        SetChecked(d, 0, true);
        EXPECT_EQ(CheckStates(d), (std::vector{Qt::Checked, Qt::Unchecked, Qt::Unchecked}));
        return PressBox(d, QDialogButtonBox::Ok);
      },
      false);
  EXPECT_EQ(run.ids, (std::vector<int>{601}));
}

TEST(CsWsTraceSelectionDlgUI, ShowsThePromptAndTheColumns) {
  StartWith({601}, [](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Velg grøfteløp"));
    const auto* prompt = d.findChild<QLabel*>(QStringLiteral("promptLabel"));
    EXPECT_TRUE(prompt->isVisible());
    EXPECT_EQ(prompt->text(), QStringLiteral("Velg grøfteløp å eksportere"));
    const QTreeWidgetItem* header = List(d).headerItem();
    EXPECT_EQ(QStringList({header->text(0), header->text(1), header->text(2), header->text(3)}),
              QStringList({"Navn", "Id", "Type", "Endret"}));

    const QTreeWidgetItem* row = List(d).topLevelItem(1);
    EXPECT_EQ(row->text(0), QStringLiteral("Grøft B – Storgata"));
    EXPECT_EQ(row->text(2), "2");
    const std::time_t stamp = 1733486400;
    std::tm local{};
    localtime_r(&stamp, &local);
    char expected[32];
    std::strftime(expected, sizeof expected, "%Y-%m-%d %H:%M", &local);
    EXPECT_EQ(row->text(3), QString::fromLatin1(expected));
    EXPECT_EQ(List(d).topLevelItem(2)->text(3), QString());

    EXPECT_EQ(d.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel)->text(), "Avbryt");
    return int(QDialog::Rejected);
  });
}

TEST(CsWsTraceSelectionDlgUI, TheMapAndCountFollowTheChecksAndTheCurrentRow) {
  CsWsTraceSelectionDlgUI ui;
  ui.SetPathOutlines({{601, {{{597000, 6650000}, {597100, 6650000}}}},
                      {602, {{{597000, 6650100}, {597100, 6650100}}}},
                      {999, {{{597100, 6650100}, {597200, 6650100}}}}});
  StartWith(
      {601, 602, 603},
      [](QDialog& d) {
        auto& map = *d.findChild<CTracePathMap*>(QStringLiteral("pathMap"));
        auto& count = *d.findChild<QLabel*>(QStringLiteral("countLabel"));
        EXPECT_TRUE(map.isVisible());
        EXPECT_EQ(map.Outlines().size(), 2u);
        EXPECT_EQ(count.text(), "3 av 3 valgt");
        SetChecked(d, 1, false);
        SetChecked(d, 2, false);
        EXPECT_EQ(map.Selected(), (std::set<int>{601}));
        EXPECT_EQ(count.text(), "1 av 3 valgt");
        // Another edit of the row is no change of its check.
        List(d).topLevelItem(1)->setText(0, QStringLiteral("Grøft B2"));
        SetChecked(d, 2, true);
        SetChecked(d, 2, true);
        EXPECT_EQ(map.Selected(), (std::set<int>{601, 603}));
        EXPECT_EQ(count.text(), "2 av 3 valgt");
        List(d).setCurrentItem(List(d).topLevelItem(1));
        EXPECT_EQ(map.Current(), 602);
        return int(QDialog::Rejected);
      },
      true, WS::kAllTrenchPathTypes, ui);
}

TEST(CsWsTraceSelectionDlgUI, ClickingAPathOnTheMapTogglesItsRow) {
  CsWsTraceSelectionDlgUI ui;
  ui.SetPathOutlines({{601, {{{597000, 6650000}, {597100, 6650000}}}}, {602, {{{597000, 6650100}, {597100, 6650100}}}}});
  const Outcome run = StartWith(
      {601},
      [](QDialog& d) {
        auto* map = d.findChild<CTracePathMap*>(QStringLiteral("pathMap"));
        QTest::mouseClick(map, Qt::LeftButton, {}, map->MapToWidget(597050, 6650100).toPoint());
        EXPECT_EQ(List(d).currentItem(), List(d).topLevelItem(1));
        QTest::mouseClick(map, Qt::LeftButton, {}, map->MapToWidget(597050, 6650000).toPoint());
        return PressBox(d, QDialogButtonBox::Ok);
      },
      true, WS::kAllTrenchPathTypes, ui);
  EXPECT_EQ(run.ids, (std::vector<int>{602}));
}

TEST(CsWsTraceSelectionDlgUI, WithoutOutlinesTheMapIsHidden) {
  StartWith({601}, [](QDialog& d) {
    EXPECT_FALSE(d.findChild<CTracePathMap*>(QStringLiteral("pathMap"))->isVisible());
    return int(QDialog::Rejected);
  });
}
