#include <QFileDialog>

#include "LmWsSosiExportUI.h"
#include "ModalRunner.h"

std::wstring LmWsSosiExportUI::ChooseModelFile() {
  QFileDialog dialog(nullptr, QStringLiteral("Open Ws model"), QString(),
                     QStringLiteral("XML file (*.xml);;All Files (*)"));
  dialog.setObjectName(QStringLiteral("ModelFileDialog"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(QStringLiteral("XML"));
  if (platform::ModalRunner::Run(dialog) != QDialog::Accepted) return {};
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? std::wstring() : files.front().toStdWString();
}
