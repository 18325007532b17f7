#pragma once
// One page of the export sheet. The page object lives as long as the sheet
// and holds the page's values; its controls (the page's window) are built
// when the page is first shown and destroyed when the page leaves the sheet.
// The sheet drives every page through the same few operations.

#include <QWidget>

#include "CodeLists.h"
#include "SOSIFeatureGroupData.h"

class PropertySheetAccess;
class QVBoxLayout;

class PropertyPage : public QWidget {
  Q_OBJECT

 public:
  // `sheet` may be null: the page then works on its own, with no file
  // format catalogue and no code lists but the built-in ones.
  PropertyPage(const QString& title, PropertySheetAccess* sheet);

  QString Title() const { return windowTitle(); }
  PropertySheetAccess* GetPropertySheet() const { return sheet_; }

  bool HasWindow() const { return window_ != nullptr; }
  // Builds the controls unless they exist, then initialises the page.
  void CreatePageWindow();
  // Drops the controls without taking over what they show.
  void DestroyPageWindow();

  // Copies the controls into the page's values (save) or the values into
  // the controls. Does nothing without a window.
  void UpdateData(bool save);

  // The control that has the keyboard focus when the sheet opens on this
  // page; null without a window.
  virtual QWidget* FirstField() const = 0;

  // The user leaves the page: its controls' contents become its values.
  virtual void OnKillActive();
  // The user confirmed the sheet while the page had a window.
  virtual void OnOK();

 protected:
  // Builds the controls (setupUi) on the page's window.
  virtual void SetupControls(QWidget& window) = 0;
  // The window is going: forget every pointer into it.
  virtual void ReleaseControls() = 0;
  // Runs once the controls exist; this base part fills them from the values.
  virtual void OnInitDialog();
  virtual void DoDataExchange(bool save);

  // The code list a drop-down offers: the sheet's feature group list when
  // it has entries, else the built-in list.
  using TextGroup = const FeatureTextList& (SOSIFeatureGroupData::*)() const;
  CodeList ListInUse(TextGroup group, CodeList (*builtIn)()) const;

  void showEvent(QShowEvent* event) override;

 private:
  PropertySheetAccess* sheet_;
  QVBoxLayout* layout_;
  QWidget* window_ = nullptr;
};
