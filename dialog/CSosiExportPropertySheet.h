#pragma once
// The export dialog "SOSI Eksport": a tabbed sheet over the header page and
// the mapping pages. It holds what the pages share (configuration folder,
// file format value, file format catalogue, feature group code lists) and
// keeps the pages in step with the file format value: the pipe materials
// page is part of the sheet only for the Gemini variant, and every change of
// the value reloads the code lists and rebuilds the mapping pages' columns.
// It takes the settings record before it opens and gives it back after OK.

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "CDlgMapPipeMaterials.h"
#include "IdleNotifier.h"
#include "PropertySheetAccess.h"

class CDlgMapConnectionTypes;
class CDlgMapPipeTypes;
class DlgSOSIHeader;
class PropertyPage;
class QTabWidget;
class SOSIMapperData;

namespace Ui {
class CSosiExportPropertySheet;
}

class CSosiExportPropertySheet : public QDialog, public PropertySheetAccess {
  Q_OBJECT

 public:
  // Results of DoModal.
  static constexpr int kIdOk = 1;
  static constexpr int kIdCancel = 2;

  CSosiExportPropertySheet(const std::wstring& caption, QWidget* parent, int selectPage);
  ~CSosiExportPropertySheet() override;

  // Ends with its separator.
  void SetConfigFolder(const std::wstring& folder);
  std::wstring GetConfigFolder() const { return configFolder_; }

  // Copy the settings into the pages and back; a null record does nothing.
  void SetData(const SOSIMapperData* settings);
  void GetData(SOSIMapperData* settings) const;

  void SetThemeRegister(const std::wstring& text);
  // Reads the code lists of the current file format value's feature group file.
  void LoadFeatureGroups();
  void SetPipeModelValues(const std::vector<std::wstring>& values);
  void SetConnectionModelValues(const std::vector<std::wstring>& values);
  void SetMaterialModelValues(const MaterialPairs& values);

  // Shows the sheet modally: kIdOk or kIdCancel.
  int DoModal();

  int GetFileFormat() const override { return fileFormat_; }
  void SetFileFormat(int value) { fileFormat_ = value; }
  const FileFormatCatalogue& GetFileFormats() const override { return fileFormats_; }
  const SOSIFeatureGroupData& GetFeatureGroups() const override { return featureGroups_; }

  // Adds the pipe materials page for the Gemini variant, removes it otherwise.
  void UpdatePageSet();
  // Follows a new file format value with the page set and the mapping
  // pages' columns and lower controls.
  void ApplyFileFormat();
  void FillCodeLists() override;
  void ChangeFileFormat(int value) override;

  DlgSOSIHeader& GetHeaderPage() { return *header_; }
  CDlgMapPipeTypes& GetPipeTypesPage() { return *pipeTypes_; }
  CDlgMapConnectionTypes& GetConnectionTypesPage() { return *connectionTypes_; }
  CDlgMapPipeMaterials& GetPipeMaterialsPage() { return *pipeMaterials_; }
  int GetPageCount() const;

  void setVisible(bool visible) override;
  // Confirms only while the stored file name is not empty, the rule the OK
  // button shows.
  void accept() override;

 private:
  void OnInitDialog();
  void OnCurrentPageChanged(int index);
  void RefreshOkButton();
  PropertyPage* PageAt(int index) const;

  SOSIFeatureGroupData featureGroups_;
  std::wstring configFolder_;
  int fileFormat_ = 1;
  FileFormatCatalogue fileFormats_;
  std::unique_ptr<DlgSOSIHeader> header_;
  std::unique_ptr<CDlgMapPipeTypes> pipeTypes_;
  std::unique_ptr<CDlgMapConnectionTypes> connectionTypes_;
  std::unique_ptr<CDlgMapPipeMaterials> pipeMaterials_;

  std::unique_ptr<Ui::CSosiExportPropertySheet> ui_;
  IdleNotifier idle_;
  PropertyPage* activePage_ = nullptr;
  bool initialised_ = false;
};
