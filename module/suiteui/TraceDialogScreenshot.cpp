// Renders the trench path selection dialog offscreen, with a few paths of a
// small street network, into the PNG given on the command line.

#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QPixmap>
#include <QTreeWidget>
#include <cstdio>
#include <cstdlib>

#include "AtomicFile.h"
#include "CsWsTraceSelectionDlgUI.h"
#include "ModalRunner.h"

namespace {

std::vector<WsTraceSelectionDlgInfo> Rows() {
  return {
      {L"Grøft A", 601, 1, 1733400000},
      {L"Grøft B – Storgata", 602, 1, 1733486400},
      {L"Grøft C – Kirkeveien", 603, 2, 1730811600},
      {L"Grøft D – Skolegata", 604, 1, 1728219600},
      {L"Stikkledning Bakkeveien 3", 605, 4, 1733742000},
      {L"Grøft E – Parkveien", 606, 2, 1725627600},
  };
}

TracePathOutlines Outlines() {
  return {
      {601, {{{596880, 6650020}, {596950, 6650030}, {597040, 6650045}, {597120, 6650050}}}},
      {602, {{{597120, 6650050}, {597200, 6650060}, {597260, 6650040}}}},
      {603, {{{597040, 6650045}, {597035, 6649980}, {597030, 6649900}}}},
      {604, {{{597120, 6650050}, {597130, 6650120}, {597150, 6650190}}}},
      {605, {{{597200, 6650060}, {597210, 6650092}}}},
      {606, {{{596950, 6650030}, {596940, 6649960}, {596990, 6649910}, {597030, 6649900}}}},
  };
}

bool WritePng(const QPixmap& pixmap, const std::string& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!pixmap.save(&buffer, "PNG")) return false;
  platform::AtomicFile file;
  return file.Open(path) && file.Write(std::string_view(bytes.constData(), bytes.size())) && file.Commit();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: trace-dialog-screenshot OUTPUT.png\n");
    return 2;
  }
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  const std::string output = argv[1];

  QPixmap shot;
  platform::ModalRunner::QueueScript(QStringLiteral("TraceSelectionDialog"), [&shot](QDialog& dialog) {
    // The user has clicked the third row: the map shows it under a halo.
    auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("traceList"));
    list->setCurrentItem(list->topLevelItem(2));
    QCoreApplication::processEvents();
    shot = dialog.grab();
    return int(QDialog::Rejected);
  });

  CsWsTraceSelectionDlgUI ui;
  ui.SetPathOutlines(Outlines());
  std::vector<int> selected{601, 602, 603, 604};
  ui.StartDialog(Rows(), selected, true, WS::kAllTrenchPathTypes,
                 L"Velg grøfteløpene som skal eksporteres til SOSI-filen.");
  if (shot.isNull() || !WritePng(shot, output)) {
    std::fprintf(stderr, "trace-dialog-screenshot: cannot write %s\n", output.c_str());
    return 1;
  }
  return 0;
}
