#include "BatchAnswers.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QSet>
#include <QTabWidget>
#include <QTreeWidget>
#include <iostream>

#include "ModalRunner.h"

using platform::ModalRunner;

namespace {

QString ToQString(const std::string& utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }

// The trench path list: rows named on the command line stay checked, the others not.
int AnswerTracePaths(QDialog& dialog, const std::vector<std::string>& names) {
  auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("traceList"));
  if (list == nullptr) return QDialog::Rejected;
  QStringList wanted;
  for (const std::string& name : names) wanted << ToQString(name);
  // Sets: a city has thousands of paths, and a list is searched from its start.
  const QSet<QString> wantedSet(wanted.begin(), wanted.end());
  QSet<QString> found;
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    QTreeWidgetItem* row = list->topLevelItem(i);
    const bool keep = wantedSet.contains(row->text(0));
    if (keep) found.insert(row->text(0));
    row->setCheckState(0, keep ? Qt::Checked : Qt::Unchecked);
  }
  for (const QString& name : wanted) {
    if (!found.contains(name)) std::cerr << "sosi-export: no trench path named \"" << name.toStdString() << "\"\n";
  }
  QMetaObject::invokeMethod(&dialog, "accept");
  return dialog.result();
}

// The export sheet: pick the file format, type into the header page's
// fields, leave the page so that it takes the texts over, press OK.
int AnswerSheet(QDialog& sheet, const HostOptions& options) {
  auto* tabs = sheet.findChild<QTabWidget*>(QStringLiteral("SheetTabs"));
  if (options.format) {
    auto* combo = sheet.findChild<QComboBox*>(QStringLiteral("FileFormatCombo"));
    if (combo == nullptr || *options.format >= combo->count()) {
      std::cerr << "sosi-export: --format " << *options.format << " is not in the file format list ("
                << (combo ? combo->count() : 0) << " entries)\n";
      return QDialog::Rejected;
    }
    combo->setCurrentIndex(*options.format);
  }
  auto type = [&](const char* field, const std::string& text) {
    if (auto* edit = sheet.findChild<QLineEdit*>(QString::fromLatin1(field) + QStringLiteral("Edit"))) {
      edit->setText(ToQString(text));
    }
  };
  if (options.output) type("FileName", *options.output);
  for (const auto& [field, value] : options.header) type(field.c_str(), value);
  if (tabs != nullptr && tabs->count() > 1) {
    tabs->setCurrentIndex(1);
    tabs->setCurrentIndex(0);
  }
  auto* fileName = sheet.findChild<QLineEdit*>(QStringLiteral("FileNameEdit"));
  if (fileName != nullptr && fileName->text().isEmpty()) {
    std::cerr << "sosi-export: the export dialog has no SOSI file to write; give one with --output\n";
    return QDialog::Rejected;
  }
  QMetaObject::invokeMethod(&sheet, "accept");
  return sheet.result();
}

}  // namespace

void InstallBatchAnswers(const HostOptions& options) {
  ModalRunner::SetBatchAnswer(QStringLiteral("ModelFileDialog"), [](QDialog&) { return int(QDialog::Rejected); });
  if (options.paths) {
    const std::vector<std::string> names = *options.paths;
    ModalRunner::SetBatchAnswer(QStringLiteral("TraceSelectionDialog"),
                                [names](QDialog& dialog) { return AnswerTracePaths(dialog, names); });
  }
  ModalRunner::SetBatchAnswer(QStringLiteral("SosiExportSheet"),
                              [options](QDialog& sheet) { return AnswerSheet(sheet, options); });
  QStringList overview;
  for (const std::string& file : options.overview) overview << ToQString(file);
  ModalRunner::SetBatchAnswer(QStringLiteral("OverviewFileDialog"), [overview](QDialog& dialog) {
    if (overview.isEmpty()) return int(QDialog::Rejected);
    return platform::AnswerFileDialog(dialog, overview);
  });
  // The save dialog of the browse button and any alert box are confirmed unchanged.
}
