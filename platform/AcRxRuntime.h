#pragma once
// The host's runtime objects that the module meets at load time: the class
// registry with its "DynamicLinker" entry, through which an application
// unlocks itself and declares itself able to work with several documents.

#include <map>
#include <string>
#include <vector>

#include "HostConsole.h"

class SOSI_HOST_API AcRxClass {
 public:
  AcRxClass(std::wstring name, const AcRxClass* parent) : name_(std::move(name)), parent_(parent) {}
  const std::wstring& name() const { return name_; }
  bool isDerivedFrom(const AcRxClass* other) const;

 private:
  std::wstring name_;
  const AcRxClass* parent_;
};

class SOSI_HOST_API AcRxObject {
 public:
  virtual ~AcRxObject() = default;
  static const AcRxClass* desc();
  virtual const AcRxClass* isA() const { return desc(); }
};

class SOSI_HOST_API AcRxDynamicLinker : public AcRxObject {
 public:
  static const AcRxClass* desc();
  const AcRxClass* isA() const override { return desc(); }

  bool unlockApplication(void* appId);
  bool registerAppMDIAware(void* appId);

  // What applications did, in call order ("unlockApplication", "registerAppMDIAware").
  const std::vector<std::string>& Calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }

 private:
  std::vector<std::string> calls_;
};

class SOSI_HOST_API AcRxDictionary {
 public:
  AcRxObject* at(const wchar_t* key) const;
  void atPut(const wchar_t* key, AcRxObject* object);

 private:
  std::map<std::wstring, AcRxObject*> entries_;
};

// The host's system registry; holds "DynamicLinker" from the start.
SOSI_HOST_API AcRxDictionary* acrxSysRegistry();
SOSI_HOST_API AcRxDynamicLinker* acrxDynamicLinker();

// Host entry messages.
// Any int is a valid message: the host sends many that the module ignores.
enum AcRxAppMsgCode : int { kInitAppMsg = 1, kUnloadAppMsg = 2 };
enum AppRetCode { kRetOK = 0, kRetError = 3 };
