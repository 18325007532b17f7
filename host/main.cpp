// sosi-export: the host program. It stands in for the CAD host and for the
// suite module that starts an export: it makes the application object,
// loads the export module and calls Export once.

#include <unistd.h>

#include <QApplication>
#include <clocale>
#include <cstdlib>
#include <iostream>

#include "BatchAnswers.h"
#include "Console.h"
#include "DisplayCheck.h"
#include "HostOptions.h"
#include "ModalRunner.h"
#include "ModuleLoader.h"
#include "StopSignals.h"
#include "WideText.h"
#include "WindowAlerts.h"
#include "WriteReport.h"

namespace {

// A batch session shows nothing, and Qt's notes about its offscreen platform
// ("does not support propagateSizeHints") would only bury the run's own
// messages; serious ones still come through.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << "Qt: " << message.toStdString() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  HostOptions options;
  if (auto exitCode = ParseHostOptions(argc, argv, options)) return *exitCode;
  RemoveTemporaryFileOnStop();

  // Without a display QApplication aborts the process, so decide first.
  if (options.batch) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  } else if (const std::string problem = DisplayProblem(); !problem.empty()) {
    std::cerr << "sosi-export: " << problem << "\n";
    return 2;
  }

  if (options.batch) qInstallMessageHandler(QuietQtMessages);
  static int qtArgc = 1;
  static char* qtArgv[] = {argv[0], nullptr};
  QApplication app(qtArgc, qtArgv);
  // QApplication takes the user's locale; keep numbers in files and messages with '.'.
  std::setlocale(LC_NUMERIC, "C");

  Console console(options.quiet, ::isatty(STDERR_FILENO) == 1);
  const auto say = [&console](const std::string& line) { console.Error(line); };
  platform::ModalRunner::SetSession(options.batch ? platform::SessionKind::Batch : platform::SessionKind::Window);
  if (options.batch) {
    InstallBatchAnswers(options, say);
  } else {
    InstallWindowAlerts();
  }
  console.Install(options.batch);
  WriteReport written;

  ModuleLoader module;
  if (!module.Load(DefaultModulePath(argv[0]))) {
    say("sosi-export: " + module.Error());
    return 1;
  }
  const std::wstring model = platform::FromUtf8(options.model);
  const std::wstring selectionText = platform::FromUtf8(options.selectionText);
  const bool exported = module.Export(model.c_str(), selectionText.c_str());
  module.Unload();
  if (exported) {
    const auto failure = written.Failure();
    if (failure) say(*failure);
    console.Finish();
    return failure ? 3 : 0;
  }
  const bool usageError = options.batch && BatchUsageError();
  if (options.batch && !usageError) {
    say(options.model.empty() ? "sosi-export: no model file given; nothing was exported"
                              : "sosi-export: nothing was exported");
  }
  console.Finish();
  return usageError ? 2 : 1;
}
