#include "GmvGeodataXMLReadVisitor.h"

#include <string>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "GmiGeodataSet.h"
#include "HostConsole.h"
#include "ModelFileReader.h"
#include "WideText.h"

namespace {

// One line "\n<file>:<line>: <problem>"; without the line number when `line` is 0.
void Report(const std::string& path, int line, const std::string& problem) {
  std::string text = "\n";
  text += path;
  if (line > 0) {
    text += ':';
    text += std::to_string(line);
  }
  text += ": ";
  text += problem;
  acutPrintf(L"%s", platform::FromUtf8(text).c_str());
}

}  // namespace

GmvGeodataXMLReadVisitor::GmvGeodataXMLReadVisitor(std::string utf8Path) : path_(std::move(utf8Path)) {}

GmvGeodataXMLReadVisitor::~GmvGeodataXMLReadVisitor() = default;

bool GmvGeodataXMLReadVisitor::openReader() {
  closeReader();
  ModelFileContents contents = ReadModelFile(path_, *this);
  clearTable();
  if (contents.set == nullptr) {
    Report(path_, contents.problemLine, contents.problem);
    return false;
  }
  set_ = std::move(contents.set);
  documentElement_ = std::move(contents.documentElement);
  documentElementLine_ = contents.documentElementLine;
  return true;
}

std::string GmvGeodataXMLReadVisitor::getStartOrEndTag() const { return set_ ? documentElement_ : std::string(); }

GmiGeodataSet* GmvGeodataXMLReadVisitor::makeObject(const std::string& tag) {
  if (set_ == nullptr) return nullptr;
  if (tag == documentElement_) return set_.release();
  Report(path_, documentElementLine_, "no " + tag + " element to read here");
  set_.reset();
  return nullptr;
}

void GmvGeodataXMLReadVisitor::performMethods() {
  closeReader();
#if defined(__GLIBC__)
  // The parsed pieces lay in many small blocks among the model's; without
  // this the process would keep their pages for the rest of the export.
  malloc_trim(0);
#endif
}

void GmvGeodataXMLReadVisitor::closeReader() {
  clearTable();
  set_.reset();
}
