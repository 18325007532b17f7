#pragma once
// Drop-down helpers of the header page and the mapping pages. A combo box
// may be absent (the page has no window yet); then only values are resolved.

#include <string>

#include "CodeLists.h"

class QComboBox;

class DlgUtils {
 public:
  // Resolves `value` against the list; with a combo box, fills it, selects
  // the value's entry and sets `value` to that entry's exact text. An empty
  // list changes nothing.
  static void FillComboAndSelect(const CodeList& list, QComboBox* combo, std::wstring& value,
                                 const std::wstring& fallback);
  // Replaces the entries by the list, unsorted, and selects `index` when it
  // names an entry (nothing is selected otherwise).
  static void FillCombo(QComboBox* combo, const CodeList& list, int index);
  // The selected entry's text. False without a combo box or a selection; in
  // a combo box with an edit field, text typed over the selection means that
  // no entry is selected.
  static bool GetComboSelection(const QComboBox* combo, std::wstring& text);
  // The text shown in the combo box (for one with an edit field, what the
  // user typed); leaves `text` alone without a combo box.
  static void GetControlText(const QComboBox* combo, std::wstring& text);
};
