// The module loaded into a process the way the host loads it, to see what
// the process sees: its load messages, its exports, COM per call and the
// dialog pages a batch run opens (none: the tables of pages never opened are
// given back as they were, which the sheet's tests show).

#include <QApplication>
#include <QEvent>
#include <QSet>
#include <filesystem>
#include <sstream>

#include "AcRxRuntime.h"
#include "BatchAnswers.h"
#include "ComRuntime.h"
#include "ExportFixture.h"
#include "HostOptions.h"
#include "ModalRunner.h"
#include "ModuleLoader.h"

namespace fs = std::filesystem;

namespace {

// Object names of the widgets shown while it lives.
class ShownWidgets : public QObject {
 public:
  ShownWidgets() { qApp->installEventFilter(this); }
  ~ShownWidgets() override { qApp->removeEventFilter(this); }
  QSet<QString> names;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Show) names.insert(object->objectName());
    return false;
  }
};

}  // namespace

using ModuleInProcess = ExportFixture;

TEST_F(ModuleInProcess, BatchRunsFillTheHeaderPageOnlyAndGiveTheSameFileWithOneComInitialisationEach) {
  for (const auto& [name, value] : env_) ::setenv(name.c_str(), value.c_str(), 1);
  const auto model = CopySample();
  const fs::path settings = dir_.File("net/WSConfig/Ledningsnett_Eksempel.SOSIExport.cfg.xml");
  fs::copy_file(DataPath("WaterSewer/Config/Default/SOSIExport.cfg.xml"), settings);
  HostOptions options;
  options.batch = true;
  options.output = dir_.File("ut.sos").string();
  options.header = {{"Owner", "Eksempel"}};
  platform::ModalRunner::SetSession(platform::SessionKind::Batch);
  InstallBatchAnswers(options, [](const std::string& line) { ADD_FAILURE() << line; });

  acrxDynamicLinker()->ClearCalls();
  ModuleLoader module;
  ASSERT_TRUE(module.Load(SOSI_EXPORT_MODULE)) << module.Error();
  EXPECT_EQ(acrxDynamicLinker()->Calls(), (std::vector<std::string>{"unlockApplication", "registerAppMDIAware"}));

  platform::ResetComCounts();
  ShownWidgets shown;
  ASSERT_TRUE(module.Export(model.wstring().c_str(), L"Velg grøfter"));
  EXPECT_EQ(platform::CoInitializeCount(), 1);
  EXPECT_EQ(platform::CoUninitializeCount(), 1);
  for (const char* page : {"PipeTypesPage", "ConnectionTypesPage", "PipeMaterialsPage"}) {
    EXPECT_FALSE(shown.names.contains(page)) << page << " was opened";
  }
  EXPECT_NE(ReadBytes(settings).find("<Owner>Eksempel</Owner>"), std::string::npos);

  const std::string first = ReadBytes(*options.output);
  ASSERT_TRUE(module.Export(model.wstring().c_str(), nullptr));
  EXPECT_EQ(platform::CoInitializeCount(), 2);
  EXPECT_EQ(ReadBytes(*options.output), first);
  // Null pointers are empty texts: the model dialog opens and is cancelled.
  EXPECT_FALSE(module.Export(nullptr, nullptr));
  EXPECT_EQ(platform::CoInitializeCount(), 3);
  module.Unload();
  platform::ModalRunner::ClearBatchAnswers();
}

TEST(ModuleExports, OnlyTheEntryPointsAreVisible) {
  const ProgramResult r = RunProgram("/usr/bin/nm", {"-D", "--defined-only", SOSI_EXPORT_MODULE});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::istringstream lines(r.out);
  std::vector<std::string> unexpected;
  for (std::string address, kind, symbol; lines >> address >> kind >> symbol;) {
    if (kind != "T" && kind != "W" && kind != "V" && kind != "D" && kind != "R") continue;
    const bool ours = symbol.find("LmWsSosiExportArx") != std::string::npos || symbol == "acrxEntryPoint" ||
                      symbol == "acrxGetApiVersion" || symbol == "LmWsSosiExportProcessAttach" ||
                      symbol == "LmWsSosiExportProcessDetach" || symbol.rfind("_edata", 0) == 0;
    if (!ours) unexpected.push_back(symbol);
  }
  EXPECT_TRUE(unexpected.empty()) << unexpected.size() << " other symbols, first: " << unexpected.front();
}
