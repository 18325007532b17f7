#pragma once
// What the dialog tests share: a configuration folder with a small
// catalogue and small code lists, the sheet prepared as the export run
// prepares it, widget look-up by object name, and idle moments.

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>
#include <ostream>
#include <string>

#include "CSosiExportPropertySheet.h"
#include "GridControl.h"
#include "SOSIMapperData.h"
#include "TempDir.h"

void PrintTo(const QString& text, std::ostream* out);

// A configuration folder that <APPATH> points at while the object lives: a
// copy of config/, three variants and a few codes for each of the two
// feature group files.
class TestConfig {
 public:
  TestConfig();
  ~TestConfig();
  TestConfig(const TestConfig&) = delete;
  TestConfig& operator=(const TestConfig&) = delete;

  // With its separator at the end, as the export run hands it over.
  std::wstring Folder() const;
  void WriteCatalogue(const std::string& xml) const;
  const TempDir& Dir() const { return dir_; }

 private:
  TempDir dir_;
};

// Settings of a run that has exported before: they have a file name.
SOSIMapperData SettingsFor(int fileFormat);

// The export run's order: folder, settings, theme register, code lists,
// model values (three pipe types, two point types, three materials).
void Prepare(CSosiExportPropertySheet& sheet, const TestConfig& config, const SOSIMapperData& settings);

// A sheet prepared with a test configuration of its own.
struct PreparedSheet : TestConfig, CSosiExportPropertySheet {
  explicit PreparedSheet(const SOSIMapperData& settings) : CSosiExportPropertySheet(L"SOSI Eksport", nullptr, 0) {
    Prepare(*this, *this, settings);
  }
};

template <typename T>
T* Find(const QWidget& root, const char* name) {
  return root.findChild<T*>(QString::fromLatin1(name));
}

// A page's control; throws when it is missing.
template <typename T>
T& Control(const QWidget& sheet, const char* page, const char* name) {
  QWidget* owner = Find<QWidget>(sheet, page);
  T* control = owner ? Find<T>(*owner, name) : nullptr;
  if (control == nullptr) throw std::runtime_error(std::string("no control ") + page + "/" + name);
  return *control;
}

// Lets the event loop work off what it has, so that idle work runs.
void ProcessIdle();
// Shows the sheet if need be and goes to the page at the tab index.
void OpenPage(CSosiExportPropertySheet& sheet, int index);
// Presses OK and gives what the sheet then copies into the settings.
SOSIMapperData ConfirmedData(CSosiExportPropertySheet& sheet);
// A user's change of a grid cell, the way every editor hands it over.
void UserSets(GridControl& grid, int row, int col, const QString& text);
// Labels and buttons of `root` whose texts do not fit them (object names).
QStringList CutTexts(const QWidget& root);
