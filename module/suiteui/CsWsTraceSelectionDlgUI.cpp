#include "CsWsTraceSelectionDlgUI.h"

#include "CTraceSelectionDialog.h"
#include "ModalRunner.h"
#include "WideText.h"

CsWsTraceSelectionDlgUI::CsWsTraceSelectionDlgUI() = default;
CsWsTraceSelectionDlgUI::~CsWsTraceSelectionDlgUI() = default;

void CsWsTraceSelectionDlgUI::SetPathOutlines(TracePathOutlines outlines) { outlines_ = std::move(outlines); }

bool CsWsTraceSelectionDlgUI::StartDialog(const std::vector<WsTraceSelectionDlgInfo>& rows,
                                          std::vector<int>& selectedIds, bool multiSelect,
                                          WS::WSTrenchPathType typeMask, const std::wstring& text) const {
  CTraceSelectionDialog dialog;
  dialog.SetPrompt(QString::fromStdString(platform::ToUtf8(text)));
  dialog.SetMultiSelect(multiSelect);
  dialog.SetRows(rows, selectedIds, typeMask);
  dialog.SetOutlines(outlines_);
  if (platform::ModalRunner::Run(dialog) != QDialog::Accepted) return false;
  selectedIds = dialog.CheckedIds();
  return true;
}
