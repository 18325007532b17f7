#include "CDlgMapPipeTypes.h"

#include "PropertySheetAccess.h"
#include "ui_DlgMapTypes.h"

CDlgMapPipeTypes::CDlgMapPipeTypes(PropertySheetAccess* sheet)
    : CDlgMapTypes(QStringLiteral("Ledning"), sheet) {
  setObjectName(QStringLiteral("PipeTypesPage"));
}

std::wstring CDlgMapPipeTypes::GetColumn1Choices() { return SheetChoices(&SOSIFeatureGroupData::PipeTypeFeatures); }
std::wstring CDlgMapPipeTypes::GetColumn2Choices() { return SheetChoices(&SOSIFeatureGroupData::PipeUsageFeatures); }
std::wstring CDlgMapPipeTypes::GetColumn3Choices() { return SheetChoices(&SOSIFeatureGroupData::PipeMethodFeatures); }
std::wstring CDlgMapPipeTypes::GetColumn4Choices() { return SheetChoices(&SOSIFeatureGroupData::PipeSupplyFeatures); }

void CDlgMapPipeTypes::FillStatusControls() {
  FillComboAndSelect(ListInUse(&SOSIFeatureGroupData::PipeStatusFeatures, DefaultStatusPipeList),
                     Controls() ? Controls()->StatusCombo : nullptr, StatusPipe, L"P: Prosjektert");
}

void CDlgMapPipeTypes::StoreMappings() {
  if (GetPropertySheet() == nullptr) return;
  StoreGridTables(SheetFeatures(&SOSIFeatureGroupData::PipeTypeFeatures),
                  SheetFeatures(&SOSIFeatureGroupData::PipeUsageFeatures),
                  SheetFeatures(&SOSIFeatureGroupData::PipeMethodFeatures),
                  SheetFeatures(&SOSIFeatureGroupData::PipeSupplyFeatures));
  QComboBox* status = Controls() ? Controls()->StatusCombo : nullptr;
  if (!GetComboSelection(status, StatusPipe)) GetControlText(status, StatusPipe);
}

void CDlgMapPipeTypes::BuildColumnHeaders(int format) {
  using Record = LmWsSosiExportFileFormatData;
  SetHeaderTexts(format, {&Record::PipeTabHeader1, &Record::PipeTabHeader2, &Record::PipeTabHeader3},
                 {&Record::PipeTabHeader4, &Record::PipeTabHeader5});
}

void CDlgMapPipeTypes::UpdateControlVisibility(int format) { ShowLowerControls(format == kGeminiFileFormat, false); }

void CDlgMapPipeTypes::OnInitDialog() {
  const int format = SheetFileFormat();
  BuildColumnHeaders(format);
  CDlgMapTypes::OnInitDialog();
  FillStatusControls();
  UpdateControlVisibility(format);
}
