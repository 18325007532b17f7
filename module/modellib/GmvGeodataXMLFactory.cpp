#include "GmvGeodataXMLFactory.h"

#include <filesystem>
#include <system_error>

#include "GmvGeodataXMLReadVisitor.h"

GmvGeodataXMLReadVisitor* GmvGeodataXMLFactory::getGeodataXMLReadVisitor(const char* utf8Path) {
  if (utf8Path == nullptr || *utf8Path == '\0') return nullptr;
  std::error_code error;
  // On this system a path is its UTF-8 bytes, whatever letters it holds.
  if (!std::filesystem::is_regular_file(std::filesystem::path(utf8Path), error)) return nullptr;
  return new GmvGeodataXMLReadVisitor(utf8Path);
}
