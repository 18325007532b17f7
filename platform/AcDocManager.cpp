#include "AcDocManager.h"

#include <algorithm>

void AcApDocManagerReactor::documentToBeDestroyed(AcApDocument*) {}

void AcApDocManager::addReactor(AcApDocManagerReactor* reactor) {
  if (reactor != nullptr && std::find(reactors_.begin(), reactors_.end(), reactor) == reactors_.end()) {
    reactors_.push_back(reactor);
  }
}

void AcApDocManager::removeReactor(AcApDocManagerReactor* reactor) {
  reactors_.erase(std::remove(reactors_.begin(), reactors_.end(), reactor), reactors_.end());
}

void AcApDocManager::fireDocumentToBeDestroyed(AcApDocument* document) {
  const auto snapshot = reactors_;
  for (AcApDocManagerReactor* reactor : snapshot) reactor->documentToBeDestroyed(document);
}

AcApDocManager* acDocManagerPtr() {
  static AcApDocManager manager;
  return &manager;
}
