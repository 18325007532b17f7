// Load, unload and the host's entry messages.

#include <QApplication>
#include <map>
#include <memory>

#include "AcDocManager.h"
#include "LmWsSosiExportArx.h"
#include "ModuleState.h"
#include "QtTranslation.h"

namespace {

// The document reactor the module keeps from load to unload. Nothing fills
// its map; it only forgets a document that is about to go.
struct CDocData {};

template <typename Data>
class AsdkDataManager : public AcApDocManagerReactor {
 public:
  AsdkDataManager() { acDocManagerPtr()->addReactor(this); }
  ~AsdkDataManager() override { acDocManagerPtr()->removeReactor(this); }
  AsdkDataManager(const AsdkDataManager&) = delete;
  AsdkDataManager& operator=(const AsdkDataManager&) = delete;

  void documentToBeDestroyed(AcApDocument* document) override { documents_.erase(document); }

 private:
  std::map<AcApDocument*, Data> documents_;
};

AsdkDataManager<CDocData> g_dataManager;

// The user-interface library needs an application object. A host that has
// one keeps it; otherwise the module makes one and removes it at unload.
int g_argc = 1;
char g_programName[] = "sosi-export-module";
char* g_argv[] = {g_programName, nullptr};
std::unique_ptr<QApplication> g_ownApplication;

// Qt's own dialogs and buttons speak Norwegian with the module's.
void InitAcUiDLL() {
  if (QCoreApplication::instance() == nullptr) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    g_ownApplication = std::make_unique<QApplication>(g_argc, g_argv);
  }
  QtTranslation::Install();
}

}  // namespace

extern "C" int LmWsSosiExportProcessAttach() {
  ModuleState& state = ModuleState::Get();
  if (!state.initialised) state.initialised = true;
  InitAcUiDLL();
  return 1;
}

extern "C" int LmWsSosiExportProcessDetach() {
  ModuleState& state = ModuleState::Get();
  if (state.initialised) state.initialised = false;
  QtTranslation::Remove();
  g_ownApplication.reset();
  return 1;
}

extern "C" AppRetCode acrxEntryPoint(AcRxAppMsgCode message, void* appId) {
  if (message == kInitAppMsg) {
    AcRxObject* entry = acrxSysRegistry()->at(L"DynamicLinker");
    if (entry != nullptr && entry->isA()->isDerivedFrom(AcRxDynamicLinker::desc())) {
      auto* linker = static_cast<AcRxDynamicLinker*>(entry);
      linker->unlockApplication(appId);
      linker->registerAppMDIAware(appId);
    }
  }
  return kRetOK;
}

extern "C" int acrxGetApiVersion() { return kLmWsSosiExportApiVersion; }
