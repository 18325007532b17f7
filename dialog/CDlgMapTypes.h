#pragma once
// What the three mapping pages share: a grid with one row per model value
// whose columns offer the SOSI codes of one feature group each, up to three
// drop-downs below it for status and geometric quality, and the mapping
// tables behind the grid, kept per file format variant so that every
// variant keeps its own mappings.

#include <QString>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "DlgUtils.h"
#include "LmWsSosiExportFileFormatData.h"
#include "PropertyPage.h"
#include "SOSIFeatureGroupData.h"
#include "SOSIMapperData.h"

class CPipeTypesGrid;

namespace Ui {
class DlgMapTypes;
}

class CDlgMapTypes : public PropertyPage, protected DlgUtils {
  Q_OBJECT

 public:
  CDlgMapTypes(const QString& title, PropertySheetAccess* sheet);
  ~CDlgMapTypes() override;

  // Appends the non-empty values, in order; duplicates stay.
  void AddModelValues(const std::vector<std::wstring>& values);
  const std::vector<std::wstring>& GetModelValues() const { return modelValues; }
  const std::vector<std::wstring>& GetHeaderTexts() const { return headerTexts; }

  // The mapping tables of grid columns 1 to 4, for every file format value.
  FeatureTablesByFormat Column1Table;
  FeatureTablesByFormat Column2Table;
  FeatureTablesByFormat Column3Table;
  FeatureTablesByFormat Column4Table;

  // Choices of grid columns 1 to 4, entries separated by line feeds.
  virtual std::wstring GetColumn1Choices() = 0;
  virtual std::wstring GetColumn2Choices() = 0;
  virtual std::wstring GetColumn3Choices() = 0;
  virtual std::wstring GetColumn4Choices() = 0;
  // Fills the page's drop-downs and resolves their values.
  virtual void FillStatusControls() = 0;
  // Reads the grid back into the current variant's tables and the
  // drop-downs into their values.
  virtual void StoreMappings() = 0;
  // The header texts of the file format variant `format`.
  virtual void BuildColumnHeaders(int format) = 0;
  virtual void ResetGridColumns();
  virtual void UpdateControlVisibility(int format) = 0;
  // Writes the model values and the texts of their mapped codes into the grid.
  virtual void LoadMappings(int format);

  void OnOK() override;
  QWidget* FirstField() const override;

 protected:
  void SetupControls(QWidget& window) override;
  void ReleaseControls() override;
  // The shared part: binds and sets up the grid and loads the mappings.
  void OnInitDialog() override;

  // The lower controls; null while the page has no window.
  Ui::DlgMapTypes* Controls() const { return ui_.get(); }
  // Under the grid: how many rows lack a code in each column.
  void ShowMissingCodes();
  // Shows or hides the "Status" label and drop-down and the four quality
  // controls; does nothing without a window.
  void ShowLowerControls(bool status, bool quality);
  // The sheet's file format value, 0 without a sheet.
  int SheetFileFormat() const;

  // Header texts from the catalogue record at `format`: the `always` fields,
  // then the `geminiOnly` fields for the Gemini variant. Empty when there is
  // no sheet or no such record.
  using HeaderField = std::wstring LmWsSosiExportFileFormatData::*;
  void SetHeaderTexts(int format, std::initializer_list<HeaderField> always,
                      std::initializer_list<HeaderField> geminiOnly);

  // The sheet's feature list, or null without a sheet.
  using FeatureGroup = const FeatureList& (SOSIFeatureGroupData::*)() const;
  const FeatureList* SheetFeatures(FeatureGroup group) const;
  // MakeChoiceList of the sheet's list; empty without a sheet.
  std::wstring SheetChoices(FeatureGroup group) const;

  static std::wstring MakeChoiceList(const FeatureList* features);
  // The first feature whose text equals `text` exactly, or null.
  static const CWsFeature* FindFeature(const FeatureList* features, const std::wstring& text);
  // The table of `format`, copied; empty when there is none.
  static FeatureTable TableOf(const FeatureTablesByFormat& tables, int format);
  // The text of the code `table` maps `key` to, or empty.
  static std::wstring MappedText(const FeatureTable& table, const std::wstring& key);
  // Column k's (1 to 4) table of the sheet's current file format value.
  FeatureTable GetCurrentTable(int column) const;

  // Reads the grid into the current variant's four column tables. Stops
  // without a grid window or without the first two lists.
  void StoreGridTables(const FeatureList* list1, const FeatureList* list2, const FeatureList* list3,
                       const FeatureList* list4);

  CPipeTypesGrid* grid = nullptr;
  std::vector<std::wstring> modelValues;
  std::vector<std::wstring> headerTexts;

 private:
  std::unique_ptr<Ui::DlgMapTypes> ui_;
};
