// The module loaded into a process the way the host loads it, to see what
// the process sees: its entry messages, its exports and COM per call.

#include <dlfcn.h>

#include <filesystem>

#include "AcRxRuntime.h"
#include "BatchAnswers.h"
#include "ComRuntime.h"
#include "ExportFixture.h"
#include "HostOptions.h"
#include "LmWsSosiExportArx.h"
#include "ModalTestHooks.h"
#include "ModuleLoader.h"
#include "RunProgram.h"

#include <sstream>

namespace fs = std::filesystem;

using ModuleInProcess = ExportFixture;

TEST_F(ModuleInProcess, TwoExportsGiveTheSameFileWithOneComInitialisationEach) {
  const platform::ScriptedDialogs watch;
  for (const auto& [name, value] : env_) ::setenv(name.c_str(), value.c_str(), 1);
  const auto model = CopySample();
  const fs::path sos = dir_.File("ut.sos");
  HostOptions options;
  options.batch = true;
  options.output = sos.string();
  platform::ModalRunner::SetSession(platform::SessionKind::Batch);
  InstallBatchAnswers(options);

  acrxDynamicLinker()->ClearCalls();
  ModuleLoader module;
  ASSERT_TRUE(module.Load(SOSI_EXPORT_MODULE)) << module.Error();
  EXPECT_EQ(acrxDynamicLinker()->Calls(), (std::vector<std::string>{"unlockApplication", "registerAppMDIAware"}));

  platform::ResetComCounts();
  ASSERT_TRUE(module.Export(model.wstring().c_str(), L"Velg grøfter"));
  EXPECT_EQ(platform::CoInitializeCount(), 1);
  EXPECT_EQ(platform::CoUninitializeCount(), 1);
  const std::string first = ReadBytes(sos);
  ASSERT_TRUE(module.Export(model.wstring().c_str(), nullptr));
  EXPECT_EQ(platform::CoInitializeCount(), 2);
  EXPECT_EQ(platform::CoUninitializeCount(), 2);
  EXPECT_EQ(ReadBytes(sos), first);

  // Null pointers are empty texts: the model dialog opens and is cancelled.
  EXPECT_FALSE(module.Export(nullptr, nullptr));
  EXPECT_EQ(platform::ModalTestHooks::History().back(), "ModelFileDialog");
  EXPECT_EQ(platform::CoInitializeCount(), 3);
  module.Unload();
  platform::ModalRunner::ClearBatchAnswers();
}

TEST_F(ModuleInProcess, EntryPointAnswersEveryMessageWithSuccess) {
  void* handle = ::dlopen(SOSI_EXPORT_MODULE, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(handle, nullptr);
  auto entry = reinterpret_cast<AppRetCode (*)(AcRxAppMsgCode, void*)>(::dlsym(handle, "acrxEntryPoint"));
  ASSERT_NE(entry, nullptr);
  for (int message : {1, 2, 3, 0, 42}) EXPECT_EQ(entry(static_cast<AcRxAppMsgCode>(message), nullptr), kRetOK);
  auto version = reinterpret_cast<int (*)()>(::dlsym(handle, "acrxGetApiVersion"));
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version(), kLmWsSosiExportApiVersion);
  ::dlclose(handle);
}

TEST(ModuleExports, OnlyTheEntryPointsAreVisible) {
  const ProgramResult r = RunProgram("/usr/bin/nm", {"-D", "--defined-only", SOSI_EXPORT_MODULE});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::istringstream lines(r.out);
  std::string line;
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
