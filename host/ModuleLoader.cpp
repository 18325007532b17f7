#include "ModuleLoader.h"

#include <dlfcn.h>

#include <filesystem>
#include <new>

#include "AcRxRuntime.h"

namespace {

// The exported class has one virtual operation (its destructor) and no data.
// The host reserves room for it and reaches its members by their symbols.
struct alignas(void*) ArxStorage {
  unsigned char bytes[sizeof(void*)];
};

using AttachFn = int (*)();
using EntryFn = AppRetCode (*)(AcRxAppMsgCode, void*);
using CtorFn = void (*)(void*);
using DtorFn = void (*)(void*);
using ExportFn = bool (*)(const void*, const wchar_t*, const wchar_t*);

constexpr const char* kCtor = "_ZN17LmWsSosiExportArxC1Ev";
constexpr const char* kDtor = "_ZN17LmWsSosiExportArxD1Ev";
constexpr const char* kExport = "_ZNK17LmWsSosiExportArx6ExportEPKwS1_";

char g_appId;  // the application id the host hands to the module

template <typename Fn>
Fn Symbol(void* handle, const char* name) {
  return reinterpret_cast<Fn>(::dlsym(handle, name));
}

}  // namespace

ModuleLoader::~ModuleLoader() { Unload(); }

bool ModuleLoader::Load(const std::string& path) {
  handle_ = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    const char* message = ::dlerror();
    error_ = "cannot load the export module " + path + ": " + (message ? message : "unknown error");
    return false;
  }
  for (const char* name : {"LmWsSosiExportProcessAttach", "LmWsSosiExportProcessDetach", "acrxEntryPoint",
                           "acrxGetApiVersion", kCtor, kDtor, kExport}) {
    if (::dlsym(handle_, name) == nullptr) {
      error_ = "the export module " + path + " lacks its entry point " + name;
      ::dlclose(handle_);
      handle_ = nullptr;
      return false;
    }
  }
  Symbol<AttachFn>(handle_, "LmWsSosiExportProcessAttach")();
  Symbol<EntryFn>(handle_, "acrxEntryPoint")(kInitAppMsg, &g_appId);
  return true;
}

bool ModuleLoader::Export(const wchar_t* modelPath, const wchar_t* selectionText) {
  ArxStorage storage{};
  Symbol<CtorFn>(handle_, kCtor)(&storage);
  bool result = false;
  try {
    result = Symbol<ExportFn>(handle_, kExport)(&storage, modelPath, selectionText);
  } catch (...) {
    Symbol<DtorFn>(handle_, kDtor)(&storage);
    throw;
  }
  Symbol<DtorFn>(handle_, kDtor)(&storage);
  return result;
}

void ModuleLoader::Unload() {
  if (handle_ == nullptr) return;
  Symbol<EntryFn>(handle_, "acrxEntryPoint")(kUnloadAppMsg, &g_appId);
  Symbol<AttachFn>(handle_, "LmWsSosiExportProcessDetach")();
  ::dlclose(handle_);
  handle_ = nullptr;
}

std::string DefaultModulePath(const char* argv0) {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) exe = std::filesystem::absolute(argv0, ec);
  return (exe.parent_path().parent_path() / "lib" / "libLmWsSosiExport.so").string();
}
