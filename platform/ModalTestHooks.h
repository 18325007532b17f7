#pragma once
// Hooks of the modal seam for tests and tools: scripts that drive the next
// dialogs the way a user would, and the names of the dialogs run while a
// test watches. The module's dialogs never include this.

#include <QString>
#include <deque>

#include "ModalRunner.h"

namespace platform {

class ModalTestHooks {
 public:
  // Scripts are taken one per Run in the order queued; each names the
  // dialog it is meant for, and one that meets another dialog throws.
  static void QueueScript(const QString& objectName, ModalRunner::Script script);
  static int PendingScripts();
  static void ClearScripts();
  // Object names of the dialogs run while a ScriptedDialogs lives.
  static const std::deque<QString>& History();

 private:
  friend class ModalRunner;
  friend class ScriptedDialogs;
  // The next script, empty when none is queued. Records the dialog while a
  // test watches.
  static ModalRunner::Script TakeScript(const QDialog& dialog);
  static void Watch(bool on);
};

// Watches the dialogs of one test and queues its scripts; what is left of
// either is cleared when it ends.
class ScriptedDialogs {
 public:
  ScriptedDialogs();
  ~ScriptedDialogs();
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;
  ScriptedDialogs& Then(const QString& objectName, ModalRunner::Script script);
  int Pending() const { return ModalTestHooks::PendingScripts(); }
};

}  // namespace platform
