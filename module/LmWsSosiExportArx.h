#pragma once
// The module's outside: the exported class through which the suite starts
// an export, and the host entry points. Everything else in the module is
// hidden.

#include "AcRxRuntime.h"

#define LMWS_SOSIEXPORT_API __attribute__((visibility("default")))

class LMWS_SOSIEXPORT_API LmWsSosiExportArx {
 public:
  // Initialises the grid control on every construction.
  LmWsSosiExportArx();
  LmWsSosiExportArx(const LmWsSosiExportArx&);
  LmWsSosiExportArx& operator=(const LmWsSosiExportArx&);
  virtual ~LmWsSosiExportArx();

  // Runs one export of the model at `modelPath` (null or empty: ask for it).
  // True when the user confirmed the export dialog and the writer was called.
  bool Export(const wchar_t* modelPath, const wchar_t* selectionText) const;
};

extern "C" {
// Host entry messages; always kRetOK.
LMWS_SOSIEXPORT_API AppRetCode acrxEntryPoint(AcRxAppMsgCode message, void* appId);
// The host SDK's version handshake.
LMWS_SOSIEXPORT_API int acrxGetApiVersion();
// Called by the host right after loading the module and right before
// unloading it, where a Windows DLL gets its process attach and detach.
LMWS_SOSIEXPORT_API int LmWsSosiExportProcessAttach();
LMWS_SOSIEXPORT_API int LmWsSosiExportProcessDetach();
}

// The version the handshake answers: major * 100 + minor of the host API this
// module was built against.
constexpr int kLmWsSosiExportApiVersion = 2400;
