#pragma once
// Loads the export module with dlopen and calls it the way the CAD host
// does: process attach, the initialisation message, Export, the unload
// message, process detach.

#include <string>

class ModuleLoader {
 public:
  ~ModuleLoader();
  // False with a message in Error() when the module or one of its entry points is missing.
  bool Load(const std::string& path);
  // Runs one export; the module must be loaded.
  bool Export(const wchar_t* modelPath, const wchar_t* selectionText);
  void Unload();
  const std::string& Error() const { return error_; }

 private:
  void* handle_ = nullptr;
  std::string error_;
};

// Where the module is: beside the program in ../lib, as installed and as built.
std::string DefaultModulePath(const char* argv0);
