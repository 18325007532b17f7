// Renders the trench path selection dialog offscreen for the bundled sample
// network, as an export run shows it, into the PNG given on the command line.

#include <QApplication>
#include <QDialog>
#include <QTreeWidget>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "HostConsole.h"
#include "LmWsSosiExportUI.h"
#include "LwcNodePointObjectLinkSet.h"
#include "LwdDeviceSet.h"
#include "ModalRunner.h"
#include "PngFile.h"
#include "WideText.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: trace-dialog-screenshot MODEL.xml OUTPUT.png\n");
    return 2;
  }
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  platform::SetCommandLineSink([](const std::wstring&) {});

  LmWsSosiExportUI controller;
  LwdDeviceSet* devices = nullptr;
  LwcNodePointObjectLinkSet* nodeLinks = nullptr;
  if (!controller.LoadModel(platform::FromUtf8(argv[1]), devices, nodeLinks)) {
    std::fprintf(stderr, "trace-dialog-screenshot: cannot load %s\n", argv[1]);
    return 1;
  }
  const std::unique_ptr<LwdDeviceSet> ownedDevices(devices);

  QPixmap shot;
  platform::ModalRunner::QueueScript(QStringLiteral("TraceSelectionDialog"), [&shot](QDialog& dialog) {
    // The user has left out the last path and clicked the third row: the map
    // shows the chosen paths in colour and the clicked one under a halo.
    auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("traceList"));
    if (list->topLevelItemCount() > 2) {
      list->topLevelItem(list->topLevelItemCount() - 1)->setCheckState(0, Qt::Unchecked);
      list->setCurrentItem(list->topLevelItem(2));
    }
    QCoreApplication::processEvents();
    shot = dialog.grab();
    return int(QDialog::Rejected);
  });
  std::vector<int> selected;
  controller.SelectTrenchPaths(L"Velg grøfteløpene som skal eksporteres til SOSI-filen.", selected);
  if (shot.isNull() || !platform::SavePng(shot, argv[2])) {
    std::fprintf(stderr, "trace-dialog-screenshot: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
