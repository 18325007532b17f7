#pragma once
// The one seam through which every modal dialog of the module runs: the
// export sheet, the trench path dialog, the file dialogs and the alert box.
// In a window session a dialog opens for real. In a batch session it is
// shown offscreen and confirmed unchanged, unless the host installed an
// answer for it (by object name). Tests queue scripts that drive the next
// dialogs the way a user would. The dialogs' own code is the same in all
// three cases.

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <map>

class QDialog;

namespace platform {

enum class SessionKind { Window, Batch };

class ModalRunner {
 public:
  // Gets the dialog after it has been shown; gives the dialog's result code.
  using Script = std::function<int(QDialog&)>;

  static void SetSession(SessionKind kind);
  static SessionKind Session();

  // Runs `dialog` modally and gives its result (QDialog::Accepted or Rejected).
  static int Run(QDialog& dialog);

  // Batch answers by dialog object name, set by the host from its options.
  static void SetBatchAnswer(const QString& objectName, Script answer);
  static void ClearBatchAnswers();

  // Test scripts, taken one per Run in the order queued; each sees the
  // object name of the dialog it is meant for, so a script for the wrong
  // dialog fails loudly instead of answering it.
  static void QueueScript(const QString& objectName, Script script);
  static int PendingScripts();
  static void ClearScripts();
  // Object names of the dialogs run so far (tests read it, then clear it).
  static const std::deque<QString>& History();
  static void ClearHistory();

  // Confirms a dialog as a user who changes nothing and presses OK.
  static int ConfirmUnchanged(QDialog& dialog);
};

// Answers a file dialog as a user who types the file names into its name
// field and presses the accept button: several names are quoted and
// separated by blanks, absolute paths allowed. Gives the dialog's result
// (Rejected when the dialog refuses the names, e.g. a file that does not
// exist in an open dialog). Overwriting an existing file is taken as meant.
int AnswerFileDialog(QDialog& dialog, const QStringList& files);

// Queues scripts for one test and clears whatever is left when it ends.
class ScriptedDialogs {
 public:
  ScriptedDialogs();
  ~ScriptedDialogs();
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;
  ScriptedDialogs& Then(const QString& objectName, ModalRunner::Script script);
  int Pending() const { return ModalRunner::PendingScripts(); }
};

}  // namespace platform
