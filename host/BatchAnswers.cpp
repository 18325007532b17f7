#include "BatchAnswers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTreeWidget>

#include "ModalRunner.h"
#include "OverviewWarning.h"
#include "WinText.h"

using platform::ModalRunner;

namespace {

using Say = std::function<void(const std::string&)>;

bool g_usageError = false;

QString ToQString(const std::string& utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }

// Says what is wrong and marks the run as bad usage; gives false.
bool UsageError(const Say& say, const std::string& line) {
  say("sosi-export: " + line);
  g_usageError = true;
  return false;
}

// The trench path list: rows named on the command line stay checked, the others not.
int AnswerTracePaths(QDialog& dialog, const std::vector<std::string>& names, const Say& say) {
  auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("traceList"));
  if (list == nullptr) return QDialog::Rejected;
  QStringList wanted;
  for (const std::string& name : names) wanted << ToQString(name);
  // Sets: a city has thousands of paths, and a list is searched from its start.
  const QSet<QString> wantedSet(wanted.begin(), wanted.end());
  QSet<QString> found;
  QStringList offered;
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    QTreeWidgetItem* row = list->topLevelItem(i);
    offered << row->text(0);
    const bool keep = wantedSet.contains(row->text(0));
    if (keep) found.insert(row->text(0));
    row->setCheckState(0, keep ? Qt::Checked : Qt::Unchecked);
  }
  for (const QString& name : wanted) {
    if (!found.contains(name)) {
      UsageError(say, "no trench path named \"" + name.toStdString() + "\"; the paths are: " +
                          offered.join(QStringLiteral(", ")).toStdString());
      return QDialog::Rejected;
    }
  }
  QMetaObject::invokeMethod(&dialog, "accept");
  return dialog.result();
}

// Picks the drop-down entry equal to `value` or whose code before the colon is.
bool PickEntry(QDialog& sheet, const std::string& field, const std::string& value, const Say& say) {
  auto* combo = sheet.findChild<QComboBox*>(ToQString(field + "Combo"));
  if (combo == nullptr) return false;
  QStringList entries;
  for (int i = 0; i < combo->count(); ++i) entries << combo->itemText(i);
  const std::string known = "; its entries are: " + entries.join(QStringLiteral(", ")).toStdString();
  // The variant hides the drop-down: a user cannot pick from it.
  if (combo->isHidden()) return UsageError(say, "--header " + field + " is not offered by this file format" + known);
  const std::wstring wanted = ToQString(value).toStdWString();
  for (int i = 0; i < combo->count(); ++i) {
    const std::wstring entry = entries[i].toStdWString();
    if (platform::EqualsIgnoringCase(entry, wanted) ||
        platform::EqualsIgnoringCase(entry.substr(0, entry.find(L':')), wanted)) {
      combo->setCurrentIndex(i);
      return true;
    }
  }
  return UsageError(say, "--header " + field + " has no entry \"" + value + "\"" + known);
}

// The export sheet, as a user fills the header page: pick the file format,
// type the texts and the file name, press "..." (which stores the typed
// fields) and answer the save dialog, pick the drop-down entries, press OK.
int AnswerSheet(QDialog& sheet, const HostOptions& options, const Say& say) {
  if (options.format) {
    auto* combo = sheet.findChild<QComboBox*>(QStringLiteral("FileFormatCombo"));
    if (combo == nullptr || *options.format >= combo->count()) return QDialog::Rejected;
    combo->setCurrentIndex(*options.format);
  }
  auto* fileName = sheet.findChild<QLineEdit*>(QStringLiteral("FileNameEdit"));
  auto* browse = sheet.findChild<QPushButton*>(QStringLiteral("BrowseButton"));
  if (fileName == nullptr || browse == nullptr) return QDialog::Rejected;
  for (const auto& [field, value] : options.header) {
    if (IsDropDownField(field)) continue;
    if (auto* edit = sheet.findChild<QLineEdit*>(ToQString(field + "Edit"))) edit->setText(ToQString(value));
  }
  if (options.output) fileName->setText(ToQString(*options.output));
  if (fileName->text().isEmpty()) {
    say("sosi-export: the export dialog has no SOSI file to write; give one with --output");
    return QDialog::Rejected;
  }
  const QString target = fileName->text();
  ModalRunner::SetBatchAnswer(QStringLiteral("SosiFileDialog"),
                              [target](QDialog& dialog) { return platform::AnswerFileDialog(dialog, {target}); });
  browse->click();
  for (const auto& [field, value] : options.header) {
    if (IsDropDownField(field) && !PickEntry(sheet, field, value, say)) return QDialog::Rejected;
  }
  if (!options.overview.empty()) {
    auto* format = sheet.findChild<QComboBox*>(QStringLiteral("FileFormatCombo"));
    const std::string warning = OverviewWarning(format != nullptr ? format->currentIndex() : -1);
    if (!warning.empty()) say(warning);
  }
  // OK is enabled at the next idle moment, as for a user.
  QApplication::processEvents();
  auto* buttons = sheet.findChild<QDialogButtonBox*>(QStringLiteral("SheetButtons"));
  QPushButton* ok = buttons != nullptr ? buttons->button(QDialogButtonBox::Ok) : nullptr;
  if (ok == nullptr || !ok->isEnabled()) return QDialog::Rejected;
  ok->click();
  return sheet.result();
}

}  // namespace

bool BatchUsageError() { return g_usageError; }

void InstallBatchAnswers(const HostOptions& options, Say say) {
  g_usageError = false;
  ModalRunner::SetBatchAnswer(QStringLiteral("ModelFileDialog"), [](QDialog&) { return int(QDialog::Rejected); });
  if (options.paths) {
    ModalRunner::SetBatchAnswer(QStringLiteral("TraceSelectionDialog"), [names = *options.paths, say](QDialog& dialog) {
      return AnswerTracePaths(dialog, names, say);
    });
  }
  ModalRunner::SetBatchAnswer(QStringLiteral("SosiExportSheet"),
                              [options, say](QDialog& sheet) { return AnswerSheet(sheet, options, say); });
  QStringList overview;
  for (const std::string& file : options.overview) overview << ToQString(file);
  ModalRunner::SetBatchAnswer(QStringLiteral("OverviewFileDialog"), [overview](QDialog& dialog) {
    if (overview.isEmpty()) return int(QDialog::Rejected);
    return platform::AnswerFileDialog(dialog, overview);
  });
  // Any alert box is confirmed unchanged.
}
