#include "WindowAlerts.h"

#include <QMessageBox>

#include "HostConsole.h"
#include "ModalRunner.h"

void InstallWindowAlerts() {
  platform::SetAlertSink([](const std::wstring& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("sosi-export"), QString::fromStdWString(text),
                    QMessageBox::Ok);
    box.setObjectName(QStringLiteral("AlertBox"));
    platform::ModalRunner::Run(box);
  });
}
