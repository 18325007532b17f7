#pragma once
// Thrown, as a pointer the catcher deletes, when the SOSI output file cannot
// be opened for writing.

#include <string>

class CSosiExportException {
 public:
  explicit CSosiExportException(const wchar_t* fileName) : fileName_(fileName != nullptr ? fileName : L"") {}
  virtual ~CSosiExportException() = default;

  // The path that could not be opened.
  const wchar_t* getFileName() const { return fileName_.c_str(); }

 private:
  std::wstring fileName_;
};
