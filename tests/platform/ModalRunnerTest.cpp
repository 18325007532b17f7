#include <gtest/gtest.h>

#include <QDialog>
#include <QFileDialog>

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
}
