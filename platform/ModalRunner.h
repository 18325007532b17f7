#pragma once
// The one seam through which every modal dialog of the module runs: the
// export sheet, the trench path dialog, the file dialogs and the alert box.
// In a window session a dialog opens for real. In a batch session it is
// shown offscreen and confirmed unchanged, unless the host installed an
// answer for it (by object name). Tests and tools drive the next dialogs
// through the hooks of ModalTestHooks.h. The dialogs' own code is the same
// in all three cases.

#include <QString>
#include <QStringList>
#include <functional>

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

  // True when someone looks at the dialogs: in a window session, or while
  // a script stands in for a user.
  static bool DialogsAreSeen();

  // Confirms a dialog as a user who changes nothing and presses OK.
  static int ConfirmUnchanged(QDialog& dialog);
};

// Answers a file dialog as a user who types the file names into its name
// field and presses the accept button: several names are quoted and
// separated by blanks, and relative names are taken in the working folder.
// Gives the dialog's result (Rejected when the dialog refuses the names, e.g.
// a file that does not exist in an open dialog). Overwriting an existing
// file is taken as meant.
int AnswerFileDialog(QDialog& dialog, const QStringList& files);

}  // namespace platform
