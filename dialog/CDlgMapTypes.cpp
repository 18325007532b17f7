#include "CDlgMapTypes.h"

#include <array>

#include "CPipeTypesGrid.h"
#include "PropertySheetAccess.h"
#include "WideQString.h"
#include "ui_DlgMapTypes.h"

CDlgMapTypes::CDlgMapTypes(const QString& title, PropertySheetAccess* sheet) : PropertyPage(title, sheet) {}

CDlgMapTypes::~CDlgMapTypes() = default;

void CDlgMapTypes::AddModelValues(const std::vector<std::wstring>& values) {
  for (const std::wstring& value : values) {
    if (!value.empty()) modelValues.push_back(value);
  }
}

void CDlgMapTypes::ResetGridColumns() {
  if (grid == nullptr) return;
  grid->SetupColumns(headerTexts);
  ShowMissingCodes();
}

void CDlgMapTypes::LoadMappings(int) {
  if (grid == nullptr) return;
  // The sheet's current value counts; the pages always pass that one.
  const std::array<FeatureTable, 4> tables = {GetCurrentTable(1), GetCurrentTable(2), GetCurrentTable(3),
                                              GetCurrentTable(4)};
  const std::array<std::wstring, 4> choices = {GetColumn1Choices(), GetColumn2Choices(), GetColumn3Choices(),
                                               GetColumn4Choices()};
  grid->SetUndoRecording(false);
  const int columns = grid->GetColCount();
  for (size_t i = 0; i < modelValues.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    const std::wstring& value = modelValues[i];
    grid->SetCellText(row, 0, value);
    for (int col = 1; col <= 4; ++col) {
      if (col > 2 && columns < col) break;
      grid->SetDropDownCell(row, col, choices[col - 1], MappedText(tables[col - 1], value));
    }
  }
  grid->SetUndoRecording(true);
  ShowMissingCodes();
}

void CDlgMapTypes::OnOK() { StoreMappings(); }

QWidget* CDlgMapTypes::FirstField() const { return grid; }

void CDlgMapTypes::SetupControls(QWidget& window) {
  ui_ = std::make_unique<Ui::DlgMapTypes>();
  ui_->setupUi(&window);
}

void CDlgMapTypes::ReleaseControls() {
  grid = nullptr;
  ui_.reset();
}

void CDlgMapTypes::OnInitDialog() {
  const int format = SheetFileFormat();
  PropertyPage::OnInitDialog();
  grid = ui_->MappingGrid;
  connect(grid, &GridControl::CodesChanged, this, &CDlgMapTypes::ShowMissingCodes);
  grid->SetupColumns(headerTexts);
  LoadMappings(format);
}

void CDlgMapTypes::ShowMissingCodes() {
  if (grid == nullptr) return;
  QStringList columns;
  const std::vector<int> counts = grid->MissingCodeCounts();
  for (size_t i = 0; i < counts.size(); ++i) {
    const QString header = ToQString(grid->GetCellText(0, static_cast<int>(i) + 1));
    columns << QStringLiteral("%1 %2").arg(header.isEmpty() ? QStringLiteral("kolonne %1").arg(i + 1) : header)
                   .arg(counts[i]);
  }
  ui_->MissingCodesLabel->setText(QStringLiteral("Rader uten kode: ") + columns.join(QStringLiteral(" · ")));
}

void CDlgMapTypes::ShowLowerControls(bool status, bool quality) {
  if (!ui_) return;
  ui_->StatusLabel->setVisible(status);
  ui_->StatusCombo->setVisible(status);
  for (QWidget* control : {static_cast<QWidget*>(ui_->QualityXYLabel), static_cast<QWidget*>(ui_->QualityXYCombo),
                           static_cast<QWidget*>(ui_->QualityZLabel), static_cast<QWidget*>(ui_->QualityZCombo)}) {
    control->setVisible(quality);
  }
}

int CDlgMapTypes::SheetFileFormat() const {
  const PropertySheetAccess* sheet = GetPropertySheet();
  return sheet != nullptr ? sheet->GetFileFormat() : 0;
}

void CDlgMapTypes::SetHeaderTexts(int format, std::initializer_list<HeaderField> always,
                                  std::initializer_list<HeaderField> geminiOnly) {
  headerTexts.clear();
  const PropertySheetAccess* sheet = GetPropertySheet();
  if (sheet == nullptr) return;
  const FileFormatCatalogue& catalogue = sheet->GetFileFormats();
  if (format < 0 || format >= static_cast<int>(catalogue.size())) return;
  const LmWsSosiExportFileFormatData& record = catalogue[static_cast<size_t>(format)];
  for (HeaderField field : always) headerTexts.push_back(record.*field);
  if (format != kGeminiFileFormat) return;
  for (HeaderField field : geminiOnly) headerTexts.push_back(record.*field);
}

const FeatureList* CDlgMapTypes::SheetFeatures(FeatureGroup group) const {
  const PropertySheetAccess* sheet = GetPropertySheet();
  return sheet != nullptr ? &(sheet->GetFeatureGroups().*group)() : nullptr;
}

std::wstring CDlgMapTypes::SheetChoices(FeatureGroup group) const { return MakeChoiceList(SheetFeatures(group)); }

std::wstring CDlgMapTypes::MakeChoiceList(const FeatureList* features) {
  std::wstring choices;
  if (features == nullptr) return choices;
  for (size_t i = 0; i < features->size(); ++i) {
    if (i > 0) choices += L'\n';
    choices += (*features)[i].ToString();
  }
  return choices;
}

const CWsFeature* CDlgMapTypes::FindFeature(const FeatureList* features, const std::wstring& text) {
  if (features == nullptr || text.empty()) return nullptr;
  for (const CWsFeature& feature : *features) {
    if (feature.ToString() == text) return &feature;
  }
  return nullptr;
}

FeatureTable CDlgMapTypes::TableOf(const FeatureTablesByFormat& tables, int format) {
  const auto found = tables.find(format);
  return found == tables.end() ? FeatureTable() : found->second;
}

std::wstring CDlgMapTypes::MappedText(const FeatureTable& table, const std::wstring& key) {
  const auto found = table.find(key);
  return found == table.end() ? std::wstring() : found->second.ToString();
}

FeatureTable CDlgMapTypes::GetCurrentTable(int column) const {
  const std::array<const FeatureTablesByFormat*, 4> tables = {&Column1Table, &Column2Table, &Column3Table,
                                                              &Column4Table};
  if (column < 1 || column > 4) return {};
  return TableOf(*tables[static_cast<size_t>(column - 1)], SheetFileFormat());
}

void CDlgMapTypes::StoreGridTables(const FeatureList* list1, const FeatureList* list2, const FeatureList* list3,
                                   const FeatureList* list4) {
  if (grid == nullptr || list1 == nullptr || list2 == nullptr) return;
  const std::array<const FeatureList*, 4> lists = {list1, list2, list3, list4};
  std::array<FeatureTable, 4> stored;
  const int columns = grid->GetColCount();
  for (int row = 1; row <= static_cast<int>(modelValues.size()); ++row) {
    const std::wstring key = grid->GetCellText(row, 0);
    for (int col = 1; col <= 4; ++col) {
      if (col > 2 && columns < col) break;
      const CWsFeature* feature = FindFeature(lists[static_cast<size_t>(col - 1)], grid->GetCellText(row, col));
      // A later row with the same key wins.
      if (feature != nullptr) stored[static_cast<size_t>(col - 1)][key] = *feature;
    }
  }
  const int format = SheetFileFormat();
  Column1Table[format] = stored[0];
  Column2Table[format] = stored[1];
  Column3Table[format] = stored[2];
  Column4Table[format] = stored[3];
}
