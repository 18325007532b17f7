#pragma once
// The save file dialog of the header page's "..." button. It runs through
// the modal seam under the object name "SosiFileDialog", so that batch runs
// and tests can answer it.

#include <string>

class QWidget;

// The chosen full path, or empty when the user cancels. `initial` is the
// file name shown when the dialog opens.
std::wstring AskSosiFileName(QWidget* parent, const std::wstring& initial);
