#include "CDlgMapPipeMaterials.h"

#include "CPipeTypesGrid.h"
#include "PropertySheetAccess.h"

CDlgMapPipeMaterials::CDlgMapPipeMaterials(PropertySheetAccess* sheet)
    : CDlgMapTypes(QStringLiteral("Ledningsmateriale"), sheet) {
  setObjectName(QStringLiteral("PipeMaterialsPage"));
}

void CDlgMapPipeMaterials::AddModelValues(const MaterialPairs& values) {
  for (const auto& [material, shortMaterial] : values) {
    if (!material.empty()) modelValues.push_back(material);
  }
}

// The page loads its grid itself; the column choices of the shared loading
// are not used.
std::wstring CDlgMapPipeMaterials::GetColumn1Choices() { return {}; }
std::wstring CDlgMapPipeMaterials::GetColumn2Choices() { return {}; }
std::wstring CDlgMapPipeMaterials::GetColumn3Choices() { return {}; }
std::wstring CDlgMapPipeMaterials::GetColumn4Choices() { return {}; }

void CDlgMapPipeMaterials::FillStatusControls() {}

void CDlgMapPipeMaterials::StoreMappings() {
  if (GetPropertySheet() == nullptr || grid == nullptr) return;
  const FeatureList* materials = SheetFeatures(&SOSIFeatureGroupData::PipeMaterialFeatures);
  const FeatureList* standards = SheetFeatures(&SOSIFeatureGroupData::PipeMaterialProductStandardFeatures);
  FeatureTable storedMaterials;
  FeatureTable storedStandards;
  const int columns = grid->GetColCount();
  for (int row = 1; row <= static_cast<int>(modelValues.size()); ++row) {
    const std::wstring key = grid->GetCellText(row, 0);
    if (const CWsFeature* material = FindFeature(materials, grid->GetCellText(row, 1))) {
      storedMaterials[key] = *material;
    }
    if (columns < 2) continue;
    if (const CWsFeature* standard = FindFeature(standards, grid->GetCellText(row, 2))) {
      storedStandards[key] = *standard;
    }
  }
  const int format = SheetFileFormat();
  PipeMaterials[format] = storedMaterials;
  PipeMaterialsProductStandard[format] = storedStandards;
}

void CDlgMapPipeMaterials::BuildColumnHeaders(int format) {
  using Record = LmWsSosiExportFileFormatData;
  SetHeaderTexts(format, {&Record::PipeMaterialTabHeader1, &Record::PipeMaterialTabHeader2},
                 {&Record::PipeMaterialTabHeader3});
}

void CDlgMapPipeMaterials::UpdateControlVisibility(int) { ShowLowerControls(false, false); }

void CDlgMapPipeMaterials::LoadMappings(int) {
  if (grid == nullptr) return;
  const int format = SheetFileFormat();
  const FeatureTable materials = TableOf(PipeMaterials, format);
  const FeatureTable standards = TableOf(PipeMaterialsProductStandard, format);
  const std::wstring materialChoices = SheetChoices(&SOSIFeatureGroupData::PipeMaterialFeatures);
  const std::wstring standardChoices = SheetChoices(&SOSIFeatureGroupData::PipeMaterialProductStandardFeatures);
  grid->SetUndoRecording(false);
  const int columns = grid->GetColCount();
  for (size_t i = 0; i < modelValues.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    const std::wstring& value = modelValues[i];
    grid->SetCellText(row, 0, value);
    grid->SetDropDownCell(row, 1, materialChoices, MappedText(materials, value));
    if (columns >= 2) grid->SetDropDownCell(row, 2, standardChoices, MappedText(standards, value));
  }
  grid->SetUndoRecording(true);
  ShowMissingCodes();
}

void CDlgMapPipeMaterials::OnInitDialog() {
  const int format = SheetFileFormat();
  BuildColumnHeaders(format);
  CDlgMapTypes::OnInitDialog();
  UpdateControlVisibility(format);
}
