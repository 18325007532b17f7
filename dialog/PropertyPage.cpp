#include "PropertyPage.h"

#include <QLayout>
#include <QVBoxLayout>

#include "PropertySheetAccess.h"

PropertyPage::PropertyPage(const QString& title, PropertySheetAccess* sheet)
    : sheet_(sheet), layout_(new QVBoxLayout(this)) {
  setWindowTitle(title);
  layout_->setContentsMargins(0, 0, 0, 0);
}

void PropertyPage::CreatePageWindow() {
  if (window_ != nullptr) return;
  window_ = new QWidget(this);
  SetupControls(*window_);
  layout_->addWidget(window_);
  window_->show();
  // The controls get their sizes now, so that the page can lay out its
  // contents (the grid's column widths) while it initialises.
  layout_->activate();
  OnInitDialog();
}

void PropertyPage::DestroyPageWindow() {
  if (window_ == nullptr) return;
  ReleaseControls();
  delete window_;
  window_ = nullptr;
}

void PropertyPage::UpdateData(bool save) {
  if (window_ != nullptr) DoDataExchange(save);
}

void PropertyPage::OnKillActive() { UpdateData(true); }

void PropertyPage::OnOK() {}

void PropertyPage::OnInitDialog() { UpdateData(false); }

void PropertyPage::DoDataExchange(bool) {}

CodeList PropertyPage::ListInUse(TextGroup group, CodeList (*builtIn)()) const {
  if (sheet_ != nullptr) {
    const FeatureTextList& list = (sheet_->GetFeatureGroups().*group)();
    if (!list.empty()) return list;
  }
  return builtIn();
}

void PropertyPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  CreatePageWindow();
}
