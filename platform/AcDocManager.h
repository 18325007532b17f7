#pragma once
// The host's document manager with its reactor list. The module registers a
// reactor at load and removes it at unload; the host tells reactors when a
// document is about to be destroyed.

#include <vector>

#include "HostConsole.h"

class AcApDocument;

class SOSI_HOST_API AcApDocManagerReactor {
 public:
  virtual ~AcApDocManagerReactor() = default;
  virtual void documentToBeDestroyed(AcApDocument* document);
};

class SOSI_HOST_API AcApDocManager {
 public:
  void addReactor(AcApDocManagerReactor* reactor);
  void removeReactor(AcApDocManagerReactor* reactor);
  int numReactors() const { return static_cast<int>(reactors_.size()); }
  void fireDocumentToBeDestroyed(AcApDocument* document);

 private:
  std::vector<AcApDocManagerReactor*> reactors_;
};

SOSI_HOST_API AcApDocManager* acDocManagerPtr();
