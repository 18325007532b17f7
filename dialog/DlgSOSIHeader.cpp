#include "DlgSOSIHeader.h"

#include <QSignalBlocker>

#include "CoordinateSystemNames.h"
#include "PropertySheetAccess.h"
#include "SosiFileDialog.h"
#include "WideQString.h"
#include "ui_DlgSOSIHeader.h"

DlgSOSIHeader::DlgSOSIHeader(PropertySheetAccess* sheet) : PropertyPage(QStringLiteral("Hode"), sheet) {
  setObjectName(QStringLiteral("HeaderPage"));
}

DlgSOSIHeader::~DlgSOSIHeader() = default;

const std::vector<DlgSOSIHeader::TextField>& DlgSOSIHeader::TextFields() {
  using Controls = Ui::DlgSOSIHeader;
  using Page = ::DlgSOSIHeader;
  static const std::vector<TextField> fields = {
      {"FileName", &Controls::FileNameEdit, &Page::fileName_},
      {"", &Controls::ThemeRegisterEdit, &Page::themeRegister_},
      {"CoordinateSystem", &Controls::CoordinateSystemEdit, &Page::coordinateSystem_},
      {"Projection", &Controls::ProjectionEdit, &Page::projection_},
      {"Date", &Controls::DateEdit, &Page::date_},
      {"Quality", &Controls::QualityEdit, &Page::quality_},
      {"MapId", &Controls::MapIdEdit, &Page::mapId_},
      {"Producer", &Controls::ProducerEdit, &Page::producer_},
      {"Owner", &Controls::OwnerEdit, &Page::owner_},
      {"Year", &Controls::YearEdit, &Page::year_},
  };
  return fields;
}

void DlgSOSIHeader::FillHeaderLists() {
  FillComboAndSelect(ListInUse(&SOSIFeatureGroupData::NetworkLevelFeatures, DefaultNetLevelList),
                     ui_ ? ui_->NetLevelCombo : nullptr, netLevel_, L"");
  const CodeList statuses = ListInUse(&SOSIFeatureGroupData::SosiStatusFeatures, DefaultStatusList);
  // An empty status means the last entry; an unknown one falls to the first.
  if (status_.empty() && !statuses.empty()) status_ = statuses.back();
  FillComboAndSelect(statuses, ui_ ? ui_->StatusCombo : nullptr, status_, L"");
}

bool DlgSOSIHeader::EnterText(const QString& settingsField, const std::wstring& text) {
  for (const TextField& field : TextFields()) {
    if (settingsField.isEmpty() || settingsField != QLatin1String(field.settingsField)) continue;
    if (!ui_) {
      this->*field.value = text;
      return true;
    }
    (ui_.get()->*field.box)->setText(ToQString(text));
    UpdateData(true);
    return true;
  }
  return false;
}

bool DlgSOSIHeader::PickFileFormat(int position) {
  if (!ui_ || position < 0 || position >= ui_->FileFormatCombo->count()) return false;
  ui_->FileFormatCombo->setCurrentIndex(position);
  return true;
}

QWidget* DlgSOSIHeader::FirstField() const { return ui_ ? ui_->FileNameEdit : nullptr; }

void DlgSOSIHeader::SetupControls(QWidget& window) {
  ui_ = std::make_unique<Ui::DlgSOSIHeader>();
  ui_->setupUi(&window);
  connect(ui_->BrowseButton, &QPushButton::clicked, this, &DlgSOSIHeader::OnBrowse);
  connect(ui_->FileFormatCombo, &QComboBox::currentIndexChanged, this, &DlgSOSIHeader::OnFileFormatChanged);
  connect(ui_->NetLevelCombo, &QComboBox::currentIndexChanged, this, &DlgSOSIHeader::OnNetLevelChanged);
  connect(ui_->StatusCombo, &QComboBox::currentIndexChanged, this, &DlgSOSIHeader::OnStatusChanged);
  connect(ui_->CoordinateSystemEdit, &QLineEdit::textChanged, this, [this](const QString& code) {
    ui_->CoordinateSystemName->setText(ToQString(CoordinateSystemName(FromQString(code))));
  });
}

void DlgSOSIHeader::ReleaseControls() { ui_.reset(); }

void DlgSOSIHeader::OnInitDialog() {
  PropertyPage::OnInitDialog();
  PropertySheetAccess* sheet = GetPropertySheet();
  const int format = sheet != nullptr ? sheet->GetFileFormat() : 0;
  {
    const QSignalBlocker blocker(ui_->FileFormatCombo);
    if (sheet != nullptr) {
      for (const LmWsSosiExportFileFormatData& record : sheet->GetFileFormats()) {
        ui_->FileFormatCombo->addItem(ToQString(record.DisplayName));
      }
    }
    ui_->FileFormatCombo->setCurrentIndex(format >= 0 && format < ui_->FileFormatCombo->count() ? format : -1);
  }
  ShowStatusControls(format);
  if (sheet != nullptr) {
    sheet->FillCodeLists();
  } else {
    FillHeaderLists();
  }
  UpdateData(false);
}

void DlgSOSIHeader::DoDataExchange(bool save) {
  for (const TextField& field : TextFields()) {
    QLineEdit* box = ui_.get()->*field.box;
    if (save) {
      this->*field.value = FromQString(box->text());
    } else {
      box->setText(ToQString(this->*field.value));
    }
  }
}

void DlgSOSIHeader::OnBrowse() {
  UpdateData(true);
  const std::wstring chosen = AskSosiFileName(window(), fileName_);
  if (!chosen.empty()) fileName_ = chosen;
  UpdateData(false);
}

void DlgSOSIHeader::OnFileFormatChanged(int index) {
  if (index < 0) return;
  ShowStatusControls(index);
  if (PropertySheetAccess* sheet = GetPropertySheet()) sheet->ChangeFileFormat(index);
}

void DlgSOSIHeader::OnNetLevelChanged() { GetComboSelection(ui_->NetLevelCombo, netLevel_); }

void DlgSOSIHeader::OnStatusChanged() { GetComboSelection(ui_->StatusCombo, status_); }

void DlgSOSIHeader::ShowStatusControls(int fileFormat) {
  ui_->StatusLabel->setVisible(fileFormat != kGeminiFileFormat);
  ui_->StatusCombo->setVisible(fileFormat != kGeminiFileFormat);
}
