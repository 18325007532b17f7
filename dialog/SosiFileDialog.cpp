#include "SosiFileDialog.h"

#include <QFileDialog>

#include "ModalRunner.h"
#include "WideQString.h"

std::wstring AskSosiFileName(QWidget* parent, const std::wstring& initial) {
  QFileDialog dialog(parent, QStringLiteral("SOSI file"));
  dialog.setObjectName(QStringLiteral("SosiFileDialog"));
  // Qt's own dialog in every session, so that it can be answered by name.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QStringLiteral("SOS"));
  dialog.setNameFilters({QStringLiteral("SOSI file (*.sos)"), QStringLiteral("All Files (*.*)")});
  if (!initial.empty()) dialog.selectFile(ToQString(initial));
  if (platform::ModalRunner::Run(dialog) != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  return chosen.isEmpty() ? std::wstring() : FromQString(chosen.front());
}
