// Renders the dialogs of an export run offscreen into PNG files, as a first
// run shows them: the sample network, the shipped configuration's default
// settings and no prompt line in the trench path dialog. The sheet opens on
// the shipped file format (Gemini); its pages are grabbed, then the header
// page once more after picking GISLINE, and the run is cancelled.

#include <QApplication>
#include <QDialog>
#include <QPixmap>
#include <QTabWidget>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "CSosiExportPropertySheet.h"
#include "DlgSOSIHeader.h"
#include "HostConsole.h"
#include "LmWsSosiExportUI.h"
#include "ModalTestHooks.h"
#include "PngFile.h"
#include "QtTranslation.h"
#include "WideText.h"

namespace {

bool g_written = true;

void Save(QWidget& dialog, const std::string& path) {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  if (platform::SavePng(dialog.grab(), path)) return;
  std::fprintf(stderr, "dialog-screenshots: cannot write %s\n", path.c_str());
  g_written = false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: dialog-screenshots MODEL.xml OUTPUT-FOLDER\n");
    return 2;
  }
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  QtTranslation::Install();
  platform::SetCommandLineSink([](const std::wstring&) {});
  const std::string folder = argv[2];

  platform::ModalTestHooks::QueueScript(QStringLiteral("TraceSelectionDialog"), [&](QDialog& dialog) {
    Save(dialog, folder + "/trench-path-dialog.png");
    return platform::ModalRunner::ConfirmUnchanged(dialog);
  });
  platform::ModalTestHooks::QueueScript(QStringLiteral("SosiExportSheet"), [&](QDialog& dialog) {
    auto& sheet = static_cast<CSosiExportPropertySheet&>(dialog);
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("SheetTabs"));
    const char* const pages[] = {"header", "pipe-types", "connection-types", "pipe-materials"};
    for (int page = 0; page < tabs->count() && page < 4; ++page) {
      tabs->setCurrentIndex(page);
      Save(dialog, folder + "/" + pages[page] + "-gemini.png");
    }
    tabs->setCurrentIndex(0);
    sheet.GetHeaderPage().PickFileFormat(1);
    Save(dialog, folder + "/header-gisline.png");
    return int(QDialog::Rejected);
  });
  LmWsSosiExportUI run;
  run.ExportRun(platform::FromUtf8(argv[1]), L"");
  if (platform::ModalTestHooks::PendingScripts() != 0) {
    std::fprintf(stderr, "dialog-screenshots: the run ended before its dialogs were shown\n");
    return 1;
  }
  QtTranslation::Remove();
  return g_written ? 0 : 1;
}
