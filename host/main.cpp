// sosi-export: the host program. It stands in for the CAD host and for the
// suite module that starts an export: it makes the application object,
// loads the export module and calls Export once.

#include <unistd.h>

#include <QApplication>
#include <clocale>
#include <cstdlib>
#include <iostream>

#include "BatchAnswers.h"
#include "HostOptions.h"
#include "ModalRunner.h"
#include "ModuleLoader.h"
#include "ProgressReporter.h"
#include "WideText.h"
#include "WindowAlerts.h"

namespace {

// A batch session shows nothing, and Qt's notes about its offscreen platform
// ("does not support propagateSizeHints") would only bury the run's own
// messages; serious ones still come through.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << "Qt: " << message.toStdString() << "\n";
}

bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
  HostOptions options;
  if (auto exitCode = ParseHostOptions(argc, argv, options)) return *exitCode;

  // Without a display QApplication aborts the process, so decide first.
  if (options.batch) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  } else if (!HasDisplay()) {
    std::cerr << "sosi-export: no display for a window session; set DISPLAY or use --batch\n";
    return 2;
  }

  if (options.batch) qInstallMessageHandler(QuietQtMessages);
  static int qtArgc = 1;
  static char* qtArgv[] = {argv[0], nullptr};
  QApplication app(qtArgc, qtArgv);
  // QApplication takes the user's locale; keep numbers in files and messages with '.'.
  std::setlocale(LC_NUMERIC, "C");

  platform::ModalRunner::SetSession(options.batch ? platform::SessionKind::Batch : platform::SessionKind::Window);
  if (options.batch) {
    InstallBatchAnswers(options);
  } else {
    InstallWindowAlerts();
  }
  ProgressReporter progress(::isatty(STDERR_FILENO) == 1);

  ModuleLoader module;
  if (!module.Load(DefaultModulePath(argv[0]))) {
    std::cerr << "sosi-export: " << module.Error() << "\n";
    return 1;
  }
  const std::wstring model = platform::FromUtf8(options.model);
  const std::wstring selectionText = platform::FromUtf8(options.selectionText);
  const bool exported = module.Export(model.c_str(), selectionText.c_str());
  module.Unload();
  progress.Finish();
  // The module's messages begin with a line feed; end the last one.
  std::cout << std::endl;
  if (!exported && options.batch) {
    std::cerr << (options.model.empty() ? "sosi-export: no model file given; nothing was exported\n"
                                        : "sosi-export: nothing was exported\n");
  }
  return exported ? 0 : 1;
}
