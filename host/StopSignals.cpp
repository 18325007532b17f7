#include "StopSignals.h"

#include <csignal>

#include "PendingFile.h"

namespace {

extern "C" void RemoveAndStop(int signal) {
  platform::RemovePendingFile();
  // The handler was reset on entry (SA_RESETHAND) and the signal is blocked
  // until the handler returns; then it takes its default action.
  std::raise(signal);
}

}  // namespace

void RemoveTemporaryFileOnStop() {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) {
    struct sigaction previous {};
    if (::sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = RemoveAndStop;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
  }
}
