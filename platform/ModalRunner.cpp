#include "ModalRunner.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>
#include <map>

#include "ModalTestHooks.h"

namespace platform {
namespace {

SessionKind g_session = SessionKind::Batch;
std::map<QString, ModalRunner::Script> g_batchAnswers;

void ShowOffscreen(QDialog& dialog) {
  dialog.setModal(true);
  dialog.show();
  QCoreApplication::processEvents();
}

}  // namespace

void ModalRunner::SetSession(SessionKind kind) { g_session = kind; }
SessionKind ModalRunner::Session() { return g_session; }

int ModalRunner::Run(QDialog& dialog) {
  Script script = ModalTestHooks::TakeScript(dialog);
  if (!script) {
    if (g_session == SessionKind::Window) return dialog.exec();
    auto answer = g_batchAnswers.find(dialog.objectName());
    if (answer == g_batchAnswers.end()) return ConfirmUnchanged(dialog);
    script = answer->second;
  }
  ShowOffscreen(dialog);
  const int result = script(dialog);
  dialog.hide();
  return result;
}

int ModalRunner::ConfirmUnchanged(QDialog& dialog) {
  ShowOffscreen(dialog);
  dialog.accept();
  QCoreApplication::processEvents();
  const int result = dialog.result();
  dialog.hide();
  return result;
}

void ModalRunner::SetBatchAnswer(const QString& objectName, Script answer) {
  g_batchAnswers[objectName] = std::move(answer);
}

void ModalRunner::ClearBatchAnswers() { g_batchAnswers.clear(); }

bool ModalRunner::DialogsAreSeen() {
  return g_session == SessionKind::Window || ModalTestHooks::PendingScripts() > 0;
}

int AnswerFileDialog(QDialog& dialog, const QStringList& files) {
  auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  if (edit == nullptr || files.isEmpty()) return QDialog::Rejected;
  // The file dialog asks its own modal questions (a file that does not exist,
  // a file to overwrite); answer them here so that nothing waits for a user.
  if (auto* fileDialog = qobject_cast<QFileDialog*>(&dialog)) {
    const auto mode = fileDialog->fileMode();
    if (fileDialog->acceptMode() == QFileDialog::AcceptOpen &&
        (mode == QFileDialog::ExistingFile || mode == QFileDialog::ExistingFiles)) {
      for (const QString& file : files) {
        if (!QFileInfo(file).isFile()) return QDialog::Rejected;
      }
    }
    if (fileDialog->acceptMode() == QFileDialog::AcceptSave) fileDialog->setOption(QFileDialog::DontConfirmOverwrite);
  }
  // A relative name means the working folder, as on the command line; the
  // dialog would take it in its own folder, which it learns only later.
  QStringList absolute;
  for (const QString& file : files) absolute << QFileInfo(file).absoluteFilePath();
  QString text;
  if (absolute.size() == 1) {
    text = absolute.front();
  } else {
    for (const QString& file : absolute) text += QLatin1Char('"') + file + QStringLiteral("\" ");
  }
  edit->setText(text.trimmed());
  // A question the dialog asks that the checks above did not foresee is
  // answered No rather than left waiting for a user who is not there; the
  // dialog then stays open and the answer is Rejected.
  dialog.setResult(QDialog::Rejected);
  // The timer fires only inside the event loop of such a question.
  QTimer answerNo;
  QObject::connect(&answerNo, &QTimer::timeout, &dialog, [&dialog] {
    auto* question = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (question != nullptr && question->parentWidget() == &dialog) question->reject();
  });
  answerNo.start(0);
  QMetaObject::invokeMethod(&dialog, "accept");
  answerNo.stop();
  QCoreApplication::processEvents();
  return dialog.result();
}

}  // namespace platform
