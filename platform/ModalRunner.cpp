#include "ModalRunner.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <stdexcept>

namespace platform {
namespace {

struct QueuedScript {
  QString objectName;
  ModalRunner::Script script;
};

SessionKind g_session = SessionKind::Batch;
std::map<QString, ModalRunner::Script> g_batchAnswers;
std::deque<QueuedScript> g_scripts;
std::deque<QString> g_history;

void ShowOffscreen(QDialog& dialog) {
  dialog.setModal(true);
  dialog.show();
  QCoreApplication::processEvents();
}

}  // namespace

void ModalRunner::SetSession(SessionKind kind) { g_session = kind; }
SessionKind ModalRunner::Session() { return g_session; }

int ModalRunner::Run(QDialog& dialog) {
  g_history.push_back(dialog.objectName());
  if (!g_scripts.empty()) {
    QueuedScript next = std::move(g_scripts.front());
    g_scripts.pop_front();
    if (next.objectName != dialog.objectName()) {
      throw std::logic_error("dialog script for '" + next.objectName.toStdString() + "' met dialog '" +
                             dialog.objectName().toStdString() + "'");
    }
    ShowOffscreen(dialog);
    const int result = next.script(dialog);
    dialog.hide();
    return result;
  }
  if (g_session == SessionKind::Window) return dialog.exec();
  auto answer = g_batchAnswers.find(dialog.objectName());
  if (answer != g_batchAnswers.end()) {
    ShowOffscreen(dialog);
    const int result = answer->second(dialog);
    dialog.hide();
    return result;
  }
  return ConfirmUnchanged(dialog);
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

void ModalRunner::QueueScript(const QString& objectName, Script script) {
  g_scripts.push_back({objectName, std::move(script)});
}

int ModalRunner::PendingScripts() { return static_cast<int>(g_scripts.size()); }
void ModalRunner::ClearScripts() { g_scripts.clear(); }
const std::deque<QString>& ModalRunner::History() { return g_history; }
void ModalRunner::ClearHistory() { g_history.clear(); }

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
  QString text;
  if (files.size() == 1) {
    text = files.front();
  } else {
    for (const QString& file : files) text += QLatin1Char('"') + file + QStringLiteral("\" ");
  }
  edit->setText(text.trimmed());
  QMetaObject::invokeMethod(&dialog, "accept");
  QCoreApplication::processEvents();
  return dialog.result();
}

ScriptedDialogs::ScriptedDialogs() {
  ModalRunner::ClearScripts();
  ModalRunner::ClearHistory();
}

ScriptedDialogs::~ScriptedDialogs() { ModalRunner::ClearScripts(); }

ScriptedDialogs& ScriptedDialogs::Then(const QString& objectName, ModalRunner::Script script) {
  ModalRunner::QueueScript(objectName, std::move(script));
  return *this;
}

}  // namespace platform
