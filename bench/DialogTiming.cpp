// dialog-timing [PIPE-NAMES [POINT-TYPES]]: times the export dialog offscreen
// with the values of a large model (2,000 distinct pipe names and 500 point
// object types unless told otherwise, every other one mapped already): setting
// the sheet up as the export run does, opening it, showing each page, and
// switching the file format from GISLINE to Gemini and back. Prints a
// Markdown table.

#include <QApplication>
#include <QDialog>
#include <QTabWidget>
#include <QTableWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "CSosiExportPropertySheet.h"
#include "DlgSOSIHeader.h"
#include "LmEnvironment.h"
#include "ModalTestHooks.h"
#include "SOSIMapperData.h"

namespace {

constexpr double kSlowMilliseconds = 200.0;

std::vector<std::wstring> Names(const wchar_t* prefix, int count) {
  std::vector<std::wstring> names;
  for (int i = 1; i <= count; ++i) names.push_back(prefix + std::to_wstring(i));
  return names;
}

// Every other value mapped to a code of its list, in both variants.
void MapEveryOther(const std::vector<std::wstring>& values, const FeatureList& codes, FeatureTablesByFormat& tables,
                   int format) {
  if (codes.empty()) return;
  for (std::size_t i = 0; i < values.size(); i += 2) tables[format][values[i]] = codes[i % codes.size()];
}

SOSIMapperData Settings(const std::wstring& folder, const std::vector<std::wstring>& pipes,
                        const std::vector<std::wstring>& points) {
  SOSIMapperData settings;
  settings.FileFormat = 1;
  settings.FileName = L"/tmp/Ledningsnett.sos";
  for (int format : {1, kGeminiFileFormat}) {
    SOSIFeatureGroupData groups;
    LoadFeatureGroups(folder, format, groups);
    MapEveryOther(pipes, groups.PipeTypeFeatures(), settings.PipeTypes, format);
    MapEveryOther(pipes, groups.PipeUsageFeatures(), settings.PipeUsage, format);
    MapEveryOther(points, groups.ConnectionTypeFeatures(), settings.ConnectionTypes, format);
    MapEveryOther(points, groups.ConnectionUsageFeatures(), settings.ConnectionUsage, format);
  }
  return settings;
}

class Table {
 public:
  void Time(const std::string& step, const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    work();
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    const double wall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const double cpu = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    std::printf("| %s | %.0f | %.0f |%s\n", step.c_str(), wall, cpu, cpu > kSlowMilliseconds ? " slow" : "");
  }
};

// The page's grid rows, so that the table shows the values really arrived.
int GridRows(QWidget& page) {
  int rows = 0;
  for (const QTableWidget* grid : page.findChildren<QTableWidget*>()) rows += grid->rowCount();
  return rows;
}

void ShowEachPage(Table& table, QDialog& dialog, const std::string& variant) {
  auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("SheetTabs"));
  for (int page = 0; page < tabs->count(); ++page) {
    const std::string step = variant + ": page " + tabs->tabText(page).toStdString();
    table.Time(step, [&] { tabs->setCurrentIndex(page); });
    if (const int rows = GridRows(*tabs->widget(page)); rows > 0)
      std::printf("| %s: grid rows | %d | |\n", step.c_str(), rows);
  }
  tabs->setCurrentIndex(0);
}

void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "Qt: %s\n", message.toStdString().c_str());
}

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  qInstallMessageHandler(QuietQtMessages);
  QApplication app(argc, argv);
  const int pipeCount = argc > 1 ? std::atoi(argv[1]) : 2000;
  const int pointCount = argc > 2 ? std::atoi(argv[2]) : 500;
  const std::vector<std::wstring> pipes = Names(L"SP 160 PVC ", pipeCount);
  const std::vector<std::wstring> points = Names(L"Kum type ", pointCount);
  MaterialPairs materials;
  for (const std::wstring& name : Names(L"Materiale ", 40)) materials.emplace_back(name, name.substr(0, 3));
  const std::wstring folder = LmEnBuildFilename(L"<APPATH>\\WaterSewer\\Config\\<CURRENTCONFIG>\\", 0, 0);
  const SOSIMapperData settings = Settings(folder, pipes, points);

  std::printf(
      "%d pipe names, %d point object types, %zu materials; milliseconds, steps above %.0f ms of processor "
      "time marked slow.\n\n| step | wall | processor |\n|---|---:|---:|\n",
      pipeCount, pointCount, materials.size(), kSlowMilliseconds);
  Table table;
  CSosiExportPropertySheet sheet(L"SOSI Eksport", nullptr, 0);
  table.Time("set-up as the export run does it", [&] {
    sheet.SetConfigFolder(folder);
    sheet.SetData(&settings);
    sheet.SetThemeRegister(L"");
    sheet.LoadFeatureGroups();
    sheet.SetPipeModelValues(pipes);
    sheet.SetConnectionModelValues(points);
    sheet.SetMaterialModelValues(materials);
  });
  const auto opening = std::chrono::steady_clock::now();
  const std::clock_t openingCpu = std::clock();
  platform::ModalTestHooks::QueueScript(QStringLiteral("SosiExportSheet"), [&](QDialog& dialog) {
    const double wall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - opening).count();
    const double cpu = 1000.0 * static_cast<double>(std::clock() - openingCpu) / CLOCKS_PER_SEC;
    std::printf("| opening | %.0f | %.0f |%s\n", wall, cpu, cpu > kSlowMilliseconds ? " slow" : "");
    ShowEachPage(table, dialog, "GISLINE");
    table.Time("file format GISLINE to Gemini", [&] { sheet.GetHeaderPage().PickFileFormat(kGeminiFileFormat); });
    ShowEachPage(table, dialog, "Gemini");
    table.Time("file format Gemini to GISLINE", [&] { sheet.GetHeaderPage().PickFileFormat(1); });
    ShowEachPage(table, dialog, "GISLINE again");
    int result = QDialog::Rejected;
    table.Time("OK", [&] {
      dialog.accept();
      result = dialog.result();
    });
    return result;
  });
  const int result = sheet.DoModal();
  SOSIMapperData confirmed;
  table.Time("settings taken back", [&] { sheet.GetData(&confirmed); });
  return result == CSosiExportPropertySheet::kIdOk ? 0 : 1;
}
