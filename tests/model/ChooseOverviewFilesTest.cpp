#include <gtest/gtest.h>

#include <QFileDialog>

#include "LmWsSosiExportUI.h"
#include "ModalTestHooks.h"
#include "TempDir.h"
#include "WideText.h"

void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace {

const QString kFileDialog = QStringLiteral("OverviewFileDialog");

}  // namespace

TEST(ChooseOverviewFiles, TheChosenFilesAreAppendedInTheDialogsOrder) {
  TempDir dir;
  const auto kummer = dir.Write("Kummer ø.csv", "x");
  const auto ledninger = dir.Write("Ledninger.csv", "x");
  QString title, filter;
  bool multiple = false;
  platform::ScriptedDialogs scripts;
  scripts.Then(kFileDialog, [&](QDialog& dialog) {
    auto& files = static_cast<QFileDialog&>(dialog);
    title = files.windowTitle();
    filter = files.nameFilters().join(";;");
    multiple = files.fileMode() == QFileDialog::ExistingFiles;
    return platform::AnswerFileDialog(
        dialog, {QString::fromStdString(kummer.string()), QString::fromStdString(ledninger.string())});
  });
  std::vector<std::wstring> paths{L"earlier.csv"};
  EXPECT_TRUE(LmWsSosiExportUI().ChooseOverviewFiles(paths));
  EXPECT_EQ(title, "Velg oversiktsfiler for ledninger og kummer");
  EXPECT_EQ(filter, "CSV file (Comma delimited) (*.csv)");
  EXPECT_TRUE(multiple);
  ASSERT_EQ(paths.size(), 3u);
  EXPECT_EQ(paths[1], platform::FromUtf8(kummer.string()));
  EXPECT_EQ(paths[2], platform::FromUtf8(ledninger.string()));
}

TEST(ChooseOverviewFiles, CancelAppendsNothing) {
  platform::ScriptedDialogs scripts;
  scripts.Then(kFileDialog, [](QDialog&) { return static_cast<int>(QDialog::Rejected); });
  std::vector<std::wstring> paths;
  EXPECT_FALSE(LmWsSosiExportUI().ChooseOverviewFiles(paths));
  EXPECT_TRUE(paths.empty());
}
