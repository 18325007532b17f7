#pragma once
// The sheet's first page, "Hode": the output file, the file format variant
// and the values of the SOSI file's header. Picking another variant here
// makes the sheet switch its pages, code lists and columns. The page keeps
// its values as texts; the sheet copies the settings in and out.

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "DlgUtils.h"
#include "PropertyPage.h"

class QLineEdit;

namespace Ui {
class DlgSOSIHeader;
}

class DlgSOSIHeader : public PropertyPage, protected DlgUtils {
  Q_OBJECT

 public:
  explicit DlgSOSIHeader(PropertySheetAccess* sheet = nullptr);
  ~DlgSOSIHeader() override;

  void SetFileName(const std::wstring& text) { fileName_ = text; }
  const std::wstring& GetFileName() const { return fileName_; }
  void SetCoordinateSystem(const std::wstring& text) { coordinateSystem_ = text; }
  const std::wstring& GetCoordinateSystem() const { return coordinateSystem_; }
  void SetProducer(const std::wstring& text) { producer_ = text; }
  const std::wstring& GetProducer() const { return producer_; }
  void SetDate(const std::wstring& text) { date_ = text; }
  const std::wstring& GetDate() const { return date_; }
  void SetMapId(const std::wstring& text) { mapId_ = text; }
  const std::wstring& GetMapId() const { return mapId_; }
  void SetOwner(const std::wstring& text) { owner_ = text; }
  const std::wstring& GetOwner() const { return owner_; }
  void SetProjection(const std::wstring& text) { projection_ = text; }
  const std::wstring& GetProjection() const { return projection_; }
  void SetQuality(const std::wstring& text) { quality_ = text; }
  const std::wstring& GetQuality() const { return quality_; }
  void SetYear(const std::wstring& text) { year_ = text; }
  const std::wstring& GetYear() const { return year_; }
  void SetNetLevel(const std::wstring& text) { netLevel_ = text; }
  const std::wstring& GetNetLevel() const { return netLevel_; }
  void SetStatus(const std::wstring& text) { status_ = text; }
  const std::wstring& GetStatus() const { return status_; }
  // Shown in the disabled "Temakoderegister" box; never read back.
  void SetThemeRegister(const std::wstring& text) { themeRegister_ = text; }

  // Fills the network level and status drop-downs from the code lists in
  // use and resolves both values against them.
  void FillHeaderLists();

  // What a user does on the page, for batch answers and scripts. EnterText
  // types into the text box of a settings field ("FileName",
  // "CoordinateSystem", "Projection", "Date", "Quality", "MapId", "Producer",
  // "Owner", "Year") and takes the boxes over as leaving the page does;
  // false for another name. PickFileFormat selects an entry of the
  // "Filformat" list; false when the list has no such entry.
  bool EnterText(const QString& settingsField, const std::wstring& text);
  bool PickFileFormat(int position);

  QWidget* FirstField() const override;

 protected:
  void SetupControls(QWidget& window) override;
  void ReleaseControls() override;
  void OnInitDialog() override;
  void DoDataExchange(bool save) override;

 private:
  struct TextField {
    const char* settingsField;  // empty for the display-only theme register
    QLineEdit* Ui::DlgSOSIHeader::*box;
    std::wstring DlgSOSIHeader::*value;
  };
  static const std::vector<TextField>& TextFields();

  void OnBrowse();
  void OnFileFormatChanged(int index);
  void OnNetLevelChanged();
  void OnStatusChanged();
  void ShowStatusControls(int fileFormat);

  std::unique_ptr<Ui::DlgSOSIHeader> ui_;
  std::wstring coordinateSystem_ = L"3";
  std::wstring producer_;
  std::wstring date_ = L"Euref 89";
  std::wstring mapId_;
  std::wstring owner_;
  std::wstring projection_ = L"UTM";
  std::wstring quality_ = L"20 2 2";
  std::wstring fileName_;
  std::wstring year_;
  std::wstring themeRegister_;
  std::wstring netLevel_;
  std::wstring status_;
};
