#include "AcRxRuntime.h"

bool AcRxClass::isDerivedFrom(const AcRxClass* other) const {
  for (const AcRxClass* c = this; c != nullptr; c = c->parent_) {
    if (c == other) return true;
  }
  return false;
}

const AcRxClass* AcRxObject::desc() {
  static const AcRxClass cls(L"AcRxObject", nullptr);
  return &cls;
}

const AcRxClass* AcRxDynamicLinker::desc() {
  static const AcRxClass cls(L"AcRxDynamicLinker", AcRxObject::desc());
  return &cls;
}

bool AcRxDynamicLinker::unlockApplication(void*) {
  calls_.push_back("unlockApplication");
  return true;
}

bool AcRxDynamicLinker::registerAppMDIAware(void*) {
  calls_.push_back("registerAppMDIAware");
  return true;
}

AcRxObject* AcRxDictionary::at(const wchar_t* key) const {
  if (key == nullptr) return nullptr;
  auto it = entries_.find(key);
  return it == entries_.end() ? nullptr : it->second;
}

void AcRxDictionary::atPut(const wchar_t* key, AcRxObject* object) {
  if (key != nullptr) entries_[key] = object;
}

AcRxDynamicLinker* acrxDynamicLinker() {
  static AcRxDynamicLinker linker;
  return &linker;
}

AcRxDictionary* acrxSysRegistry() {
  static AcRxDictionary* registry = [] {
    auto* dictionary = new AcRxDictionary;
    dictionary->atPut(L"DynamicLinker", acrxDynamicLinker());
    return dictionary;
  }();
  return registry;
}
