#include "DlgUtils.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "WideQString.h"

void DlgUtils::FillComboAndSelect(const CodeList& list, QComboBox* combo, std::wstring& value,
                                  const std::wstring& fallback) {
  if (list.empty()) return;
  ResolveListValue(list, value, fallback);
  if (combo == nullptr) return;
  FillCombo(combo, list, FindInList(list, value));
  GetComboSelection(combo, value);
}

void DlgUtils::FillCombo(QComboBox* combo, const CodeList& list, int index) {
  // Filling is the program's doing, not a pick of the user's.
  const QSignalBlocker blocker(combo);
  combo->clear();
  for (const std::wstring& entry : list) combo->addItem(ToQString(entry));
  combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
  // A narrow edit field shows the code at the start of the entry.
  if (combo->lineEdit() != nullptr) combo->lineEdit()->setCursorPosition(0);
}

bool DlgUtils::GetComboSelection(const QComboBox* combo, std::wstring& text) {
  if (combo == nullptr) return false;
  const int index = combo->currentIndex();
  if (index < 0 || index >= combo->count()) return false;
  const QString selected = combo->itemText(index);
  if (combo->isEditable() && combo->currentText() != selected) return false;
  text = FromQString(selected);
  return true;
}

void DlgUtils::GetControlText(const QComboBox* combo, std::wstring& text) {
  if (combo != nullptr) text = FromQString(combo->currentText());
}
