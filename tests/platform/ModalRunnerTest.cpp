#include <gtest/gtest.h>

#include <QDialog>
#include <QFileDialog>

#include "ModalTestHooks.h"
#include "TempDir.h"

using platform::ModalRunner;
using platform::ScriptedDialogs;
using platform::SessionKind;

namespace {

struct NamedDialog : QDialog {
  explicit NamedDialog(const char* name) { setObjectName(QString::fromLatin1(name)); }
};

}  // namespace

TEST(ModalRunner, BatchConfirmsUnchangedUnlessTheHostAnswers) {
  ScriptedDialogs scripts;
  ModalRunner::SetSession(SessionKind::Batch);
  NamedDialog plain("Plain");
  EXPECT_EQ(ModalRunner::Run(plain), QDialog::Accepted);

  ModalRunner::SetBatchAnswer("Answered", [](QDialog&) { return int(QDialog::Rejected); });
  NamedDialog answered("Answered");
  EXPECT_EQ(ModalRunner::Run(answered), QDialog::Rejected);
  ModalRunner::ClearBatchAnswers();
  EXPECT_EQ(ModalRunner::Run(answered), QDialog::Accepted);
}

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
