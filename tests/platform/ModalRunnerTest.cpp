#include <gtest/gtest.h>

#include <QDialog>
#include <QFileDialog>
#include <filesystem>

#include "ModalRunner.h"
#include "TempDir.h"

TEST(ModalRunner, FileDialogsTakeTypedNames) {
  TempDir dir;
  const auto a = dir.Write("kummer.csv", "");
  const auto b = dir.Write("sub/ledninger.csv", "");
  QFileDialog open(nullptr, "Velg", QString(), "CSV file (Comma delimited) (*.csv)");
  open.setOption(QFileDialog::DontUseNativeDialog);
  open.setFileMode(QFileDialog::ExistingFiles);
  open.show();
  const QStringList files{QString::fromStdString(a.string()), QString::fromStdString(b.string())};
  EXPECT_EQ(platform::AnswerFileDialog(open, files), QDialog::Accepted);
  EXPECT_EQ(open.selectedFiles(), files);

  EXPECT_EQ(platform::AnswerFileDialog(open, {QString::fromStdString(dir.File("nope.csv").string())}),
            QDialog::Rejected);

  // A relative name is the working folder's, wherever the dialog looks.
  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(dir.File("sub"));
  open.setDirectory(QString::fromStdString(dir.File("").string()));
  EXPECT_EQ(platform::AnswerFileDialog(open, {"ledninger.csv"}), QDialog::Accepted);
  std::filesystem::current_path(cwd);
  EXPECT_EQ(open.selectedFiles(), QStringList{QString::fromStdString(b.string())});
}
