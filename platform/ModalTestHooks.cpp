#include "ModalTestHooks.h"

#include <QDialog>
#include <stdexcept>

namespace platform {
namespace {

struct QueuedScript {
  QString objectName;
  ModalRunner::Script script;
};

std::deque<QueuedScript> g_scripts;
std::deque<QString> g_history;
bool g_watching = false;

}  // namespace

void ModalTestHooks::QueueScript(const QString& objectName, ModalRunner::Script script) {
  g_scripts.push_back({objectName, std::move(script)});
}

int ModalTestHooks::PendingScripts() { return static_cast<int>(g_scripts.size()); }
void ModalTestHooks::ClearScripts() { g_scripts.clear(); }
const std::deque<QString>& ModalTestHooks::History() { return g_history; }

ModalRunner::Script ModalTestHooks::TakeScript(const QDialog& dialog) {
  if (g_watching) g_history.push_back(dialog.objectName());
  if (g_scripts.empty()) return {};
  QueuedScript next = std::move(g_scripts.front());
  g_scripts.pop_front();
  if (next.objectName != dialog.objectName()) {
    throw std::logic_error("dialog script for '" + next.objectName.toStdString() + "' met dialog '" +
                           dialog.objectName().toStdString() + "'");
  }
  return std::move(next.script);
}

void ModalTestHooks::Watch(bool on) {
  g_watching = on;
  g_history.clear();
  g_scripts.clear();
}

ScriptedDialogs::ScriptedDialogs() { ModalTestHooks::Watch(true); }

ScriptedDialogs::~ScriptedDialogs() { ModalTestHooks::Watch(false); }

ScriptedDialogs& ScriptedDialogs::Then(const QString& objectName, ModalRunner::Script script) {
  ModalTestHooks::QueueScript(objectName, std::move(script));
  return *this;
}

}  // namespace platform
