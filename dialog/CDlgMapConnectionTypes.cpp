#include "CDlgMapConnectionTypes.h"

#include "PropertySheetAccess.h"
#include "ui_DlgMapTypes.h"

CDlgMapConnectionTypes::CDlgMapConnectionTypes(PropertySheetAccess* sheet)
    : CDlgMapTypes(QStringLiteral("Punkt"), sheet) {
  setObjectName(QStringLiteral("ConnectionTypesPage"));
}

std::wstring CDlgMapConnectionTypes::GetColumn1Choices() {
  return SheetChoices(&SOSIFeatureGroupData::ConnectionTypeFeatures);
}
std::wstring CDlgMapConnectionTypes::GetColumn2Choices() {
  return SheetChoices(&SOSIFeatureGroupData::ConnectionUsageFeatures);
}
std::wstring CDlgMapConnectionTypes::GetColumn3Choices() {
  return SheetChoices(&SOSIFeatureGroupData::ConnectionMethodFeatures);
}
std::wstring CDlgMapConnectionTypes::GetColumn4Choices() { return {}; }

void CDlgMapConnectionTypes::FillStatusControls() {
  Ui::DlgMapTypes* controls = Controls();
  FillComboAndSelect(ListInUse(&SOSIFeatureGroupData::ConnectionStatusFeatures, DefaultStatusConnectionList),
                     controls ? controls->StatusCombo : nullptr, StatusConnection, L"P: Prosjektert");
  FillComboAndSelect(ListInUse(&SOSIFeatureGroupData::GeometryQualityXYFeatures, DefaultGeometryQualityXYList),
                     controls ? controls->QualityXYCombo : nullptr, GeometryQualityXY, L"10: Prosjektert");
  FillComboAndSelect(ListInUse(&SOSIFeatureGroupData::GeometryQualityZFeatures, DefaultGeometryQualityZList),
                     controls ? controls->QualityZCombo : nullptr, GeometryQualityZ, L"6: Prosjektert");
}

void CDlgMapConnectionTypes::StoreMappings() {
  if (GetPropertySheet() == nullptr) return;
  StoreGridTables(SheetFeatures(&SOSIFeatureGroupData::ConnectionTypeFeatures),
                  SheetFeatures(&SOSIFeatureGroupData::ConnectionUsageFeatures),
                  SheetFeatures(&SOSIFeatureGroupData::ConnectionMethodFeatures), nullptr);
  Ui::DlgMapTypes* controls = Controls();
  const std::pair<QComboBox*, std::wstring*> fields[] = {
      {controls ? controls->StatusCombo : nullptr, &StatusConnection},
      {controls ? controls->QualityXYCombo : nullptr, &GeometryQualityXY},
      {controls ? controls->QualityZCombo : nullptr, &GeometryQualityZ},
  };
  for (const auto& [combo, value] : fields) {
    if (!GetComboSelection(combo, *value)) GetControlText(combo, *value);
  }
}

void CDlgMapConnectionTypes::BuildColumnHeaders(int format) {
  using Record = LmWsSosiExportFileFormatData;
  SetHeaderTexts(format,
                 {&Record::ConnectionTabHeader1, &Record::ConnectionTabHeader2, &Record::ConnectionTabHeader3},
                 {&Record::ConnectionTabHeader4});
}

void CDlgMapConnectionTypes::UpdateControlVisibility(int format) {
  ShowLowerControls(format == kGeminiFileFormat, format == kGeminiFileFormat);
}

void CDlgMapConnectionTypes::OnInitDialog() {
  const int format = SheetFileFormat();
  BuildColumnHeaders(format);
  CDlgMapTypes::OnInitDialog();
  FillStatusControls();
  UpdateControlVisibility(format);
}
