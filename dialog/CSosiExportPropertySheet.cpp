#include "CSosiExportPropertySheet.h"

#include <QPushButton>

#include "CDlgMapConnectionTypes.h"
#include "CDlgMapPipeTypes.h"
#include "DlgSOSIHeader.h"
#include "LmEnvironment.h"
#include "ModalRunner.h"
#include "SOSIMapperData.h"
#include "WideQString.h"
#include "ui_CSosiExportPropertySheet.h"

CSosiExportPropertySheet::CSosiExportPropertySheet(const std::wstring& caption, QWidget* parent, int selectPage)
    : QDialog(parent),
      header_(std::make_unique<DlgSOSIHeader>(this)),
      pipeTypes_(std::make_unique<CDlgMapPipeTypes>(this)),
      connectionTypes_(std::make_unique<CDlgMapConnectionTypes>(this)),
      pipeMaterials_(std::make_unique<CDlgMapPipeMaterials>(this)),
      ui_(std::make_unique<Ui::CSosiExportPropertySheet>()),
      idle_([this] { RefreshOkButton(); }) {
  ui_->setupUi(this);
  setObjectName(QStringLiteral("SosiExportSheet"));
  setWindowTitle(ToQString(caption));
  ui_->SheetButtons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
  ui_->SheetButtons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
  // The dialog speaks Norwegian whatever translations the machine has.
  ui_->SheetButtons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Avbryt"));
  for (PropertyPage* page : std::initializer_list<PropertyPage*>{header_.get(), pipeTypes_.get(), connectionTypes_.get()}) {
    ui_->SheetTabs->addTab(page, page->Title());
  }
  if (selectPage >= 0 && selectPage < ui_->SheetTabs->count()) ui_->SheetTabs->setCurrentIndex(selectPage);
  connect(ui_->SheetButtons, &QDialogButtonBox::accepted, this, &CSosiExportPropertySheet::accept);
  connect(ui_->SheetButtons, &QDialogButtonBox::rejected, this, &CSosiExportPropertySheet::reject);
  connect(ui_->SheetTabs, &QTabWidget::currentChanged, this, &CSosiExportPropertySheet::OnCurrentPageChanged);
}

CSosiExportPropertySheet::~CSosiExportPropertySheet() {
  // The pages go before the tab widget; their leaving is no page change.
  ui_->SheetTabs->disconnect(this);
  activePage_ = nullptr;
}

void CSosiExportPropertySheet::SetConfigFolder(const std::wstring& folder) { configFolder_ = folder; }

void CSosiExportPropertySheet::SetData(const SOSIMapperData* settings) {
  if (settings == nullptr) return;
  fileFormat_ = settings->FileFormat;
  UpdatePageSet();

  header_->SetFileName(settings->FileName);
  header_->SetCoordinateSystem(settings->CoordinateSystem);
  header_->SetProducer(settings->Producer);
  header_->SetDate(settings->Date);
  header_->SetMapId(settings->MapId);
  header_->SetOwner(settings->Owner);
  header_->SetProjection(settings->Projection);
  header_->SetQuality(settings->Quality);
  header_->SetYear(settings->Year);
  header_->SetNetLevel(settings->NetLevel);
  header_->SetStatus(settings->Status);

  pipeTypes_->Column1Table = settings->PipeTypes;
  pipeTypes_->Column2Table = settings->PipeUsage;
  pipeTypes_->Column3Table = settings->PipeMethod;
  pipeTypes_->Column4Table = settings->PipeSupply;
  pipeTypes_->SetStatusPipe(settings->StatusPipe);

  connectionTypes_->Column1Table = settings->ConnectionTypes;
  connectionTypes_->Column2Table = settings->ConnectionUsage;
  connectionTypes_->Column3Table = settings->ConnectionMethod;
  connectionTypes_->SetStatusConnection(settings->StatusConnection);
  connectionTypes_->SetGeometryQualityXY(settings->GeometryQualityXY);
  connectionTypes_->SetGeometryQualityZ(settings->GeometryQualityZ);

  // Also while the page is not part of the sheet.
  pipeMaterials_->PipeMaterials = settings->PipeMaterials;
  pipeMaterials_->PipeMaterialsProductStandard = settings->PipeMaterialsProductStandard;
}

void CSosiExportPropertySheet::GetData(SOSIMapperData* settings) const {
  if (settings == nullptr) return;
  settings->FileFormat = fileFormat_;

  settings->FileName = header_->GetFileName();
  settings->CoordinateSystem = header_->GetCoordinateSystem();
  settings->Producer = header_->GetProducer();
  settings->Date = header_->GetDate();
  settings->MapId = header_->GetMapId();
  settings->Owner = header_->GetOwner();
  settings->Projection = header_->GetProjection();
  settings->Quality = header_->GetQuality();
  settings->Year = header_->GetYear();
  settings->NetLevel = header_->GetNetLevel();
  settings->Status = header_->GetStatus();

  settings->PipeTypes = pipeTypes_->Column1Table;
  settings->PipeUsage = pipeTypes_->Column2Table;
  settings->PipeMethod = pipeTypes_->Column3Table;
  settings->PipeSupply = pipeTypes_->Column4Table;
  settings->StatusPipe = pipeTypes_->GetStatusPipe();

  settings->ConnectionTypes = connectionTypes_->Column1Table;
  settings->ConnectionUsage = connectionTypes_->Column2Table;
  settings->ConnectionMethod = connectionTypes_->Column3Table;
  settings->StatusConnection = connectionTypes_->GetStatusConnection();
  settings->GeometryQualityXY = connectionTypes_->GetGeometryQualityXY();
  settings->GeometryQualityZ = connectionTypes_->GetGeometryQualityZ();

  settings->PipeMaterials = pipeMaterials_->PipeMaterials;
  settings->PipeMaterialsProductStandard = pipeMaterials_->PipeMaterialsProductStandard;
}

void CSosiExportPropertySheet::SetThemeRegister(const std::wstring& text) { header_->SetThemeRegister(text); }

void CSosiExportPropertySheet::LoadFeatureGroups() { ::LoadFeatureGroups(configFolder_, fileFormat_, featureGroups_); }

void CSosiExportPropertySheet::SetPipeModelValues(const std::vector<std::wstring>& values) {
  pipeTypes_->AddModelValues(values);
}

void CSosiExportPropertySheet::SetConnectionModelValues(const std::vector<std::wstring>& values) {
  connectionTypes_->AddModelValues(values);
}

void CSosiExportPropertySheet::SetMaterialModelValues(const MaterialPairs& values) {
  pipeMaterials_->AddModelValues(values);
}

int CSosiExportPropertySheet::DoModal() {
  return platform::ModalRunner::Run(*this) == QDialog::Accepted ? kIdOk : kIdCancel;
}

void CSosiExportPropertySheet::UpdatePageSet() {
  QTabWidget* tabs = ui_->SheetTabs;
  if (tabs->count() == 3 && fileFormat_ == kGeminiFileFormat) {
    tabs->addTab(pipeMaterials_.get(), pipeMaterials_->Title());
  } else if (tabs->count() == 4 && fileFormat_ != kGeminiFileFormat) {
    if (activePage_ == pipeMaterials_.get()) activePage_ = nullptr;
    tabs->removeTab(tabs->indexOf(pipeMaterials_.get()));
    pipeMaterials_->DestroyPageWindow();
  }
}

void CSosiExportPropertySheet::ApplyFileFormat() {
  UpdatePageSet();
  pipeTypes_->BuildColumnHeaders(fileFormat_);
  connectionTypes_->BuildColumnHeaders(fileFormat_);
  pipeTypes_->ResetGridColumns();
  connectionTypes_->ResetGridColumns();
  pipeTypes_->UpdateControlVisibility(fileFormat_);
  connectionTypes_->UpdateControlVisibility(fileFormat_);
}

void CSosiExportPropertySheet::FillCodeLists() {
  header_->FillHeaderLists();
  pipeTypes_->LoadMappings(fileFormat_);
  pipeTypes_->FillStatusControls();
  connectionTypes_->LoadMappings(fileFormat_);
  connectionTypes_->FillStatusControls();
}

void CSosiExportPropertySheet::ChangeFileFormat(int value) {
  // What the user entered in the grids is kept under the old value.
  pipeTypes_->StoreMappings();
  connectionTypes_->StoreMappings();
  SetFileFormat(value);
  ApplyFileFormat();
  LoadFeatureGroups();
  FillCodeLists();
}

int CSosiExportPropertySheet::GetPageCount() const { return ui_->SheetTabs->count(); }

void CSosiExportPropertySheet::setVisible(bool visible) {
  // The catalogue must be there before the first page's window is built,
  // which happens while the sheet is being shown.
  if (visible && !initialised_) OnInitDialog();
  QDialog::setVisible(visible);
  if (visible) {
    if (QWidget* first = PageAt(ui_->SheetTabs->currentIndex())->FirstField()) first->setFocus();
    RefreshOkButton();
    idle_.Start();
  } else {
    idle_.Stop();
  }
}

void CSosiExportPropertySheet::accept() {
  if (header_->GetFileName().empty()) return;
  if (activePage_ != nullptr) activePage_->OnKillActive();
  for (int i = 0; i < GetPageCount(); ++i) {
    PropertyPage* page = PageAt(i);
    if (page->HasWindow()) page->OnOK();
  }
  QDialog::accept();
}

void CSosiExportPropertySheet::OnInitDialog() {
  initialised_ = true;
  const std::wstring folder = LmEnBuildFilename(L"<APPATH>\\WaterSewer\\Config\\<CURRENTCONFIG>", 0, 0);
  LoadFileFormats(fileFormats_, folder + L"/SOSIExport.FileFormats.xml");
  activePage_ = PageAt(ui_->SheetTabs->currentIndex());
}

void CSosiExportPropertySheet::OnCurrentPageChanged(int index) {
  if (!initialised_) return;
  if (activePage_ != nullptr) activePage_->OnKillActive();
  activePage_ = PageAt(index);
}

void CSosiExportPropertySheet::RefreshOkButton() {
  QPushButton* ok = ui_->SheetButtons->button(QDialogButtonBox::Ok);
  const bool enabled = !header_->GetFileName().empty();
  ok->setEnabled(enabled);
  // The stored file name changes when the header page exchanges its data,
  // not while the user types; say how to get there.
  ok->setToolTip(enabled ? QString() : QStringLiteral("Velg SOSI-fil med «...», eller gå til en annen side"));
}

PropertyPage* CSosiExportPropertySheet::PageAt(int index) const {
  return static_cast<PropertyPage*>(ui_->SheetTabs->widget(index));
}
