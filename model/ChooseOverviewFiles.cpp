#include <QFileDialog>

#include "LmWsSosiExportUI.h"
#include "ModalRunner.h"
#include "WideText.h"

bool LmWsSosiExportUI::ChooseOverviewFiles(std::vector<std::wstring>& paths) const {
  QFileDialog dialog(nullptr, QStringLiteral("Velg oversiktsfiler for ledninger og kummer"), QString(),
                     QStringLiteral("CSV file (Comma delimited) (*.csv)"));
  dialog.setObjectName(QStringLiteral("OverviewFileDialog"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setDefaultSuffix(QStringLiteral("csv"));
  if (platform::ModalRunner::Run(dialog) != QDialog::Accepted) return false;
  for (const QString& file : dialog.selectedFiles()) {
    if (!file.isEmpty()) paths.push_back(platform::FromUtf8(file.toUtf8().toStdString()));
  }
  return true;
}
