#include "GmvGeodataXMLReadVisitor.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include <pugixml.hpp>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "GmiGeodataSet.h"
#include "HostConsole.h"
#include "SourceLines.h"
#include "WideText.h"
#include "WsModelStreamReader.h"
#include "WsModelXmlReader.h"

struct GmvGeodataXMLReadVisitor::OpenFile {
  pugi::xml_document document;
  SourceLines lines;
};

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

void ReportAt(const std::string& path, const SourceLines& lines, std::ptrdiff_t offset, const std::string& problem) {
  Report(path, offset < 0 ? 1 : lines.LineOf(static_cast<std::size_t>(offset)), problem);
}

// The whole file in a buffer from pugixml's allocator, so that the document
// can parse it in place and take it over. Null (and errno set) on failure.
char* ReadWholeFile(const std::string& path, std::size_t& size) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return nullptr;
  char* buffer = nullptr;
  if (std::fseek(file, 0, SEEK_END) == 0) {
    const long length = std::ftell(file);
    if (length >= 0 && std::fseek(file, 0, SEEK_SET) == 0) {
      size = static_cast<std::size_t>(length);
      buffer = static_cast<char*>(pugi::get_memory_allocation_function()(size + 1));
      if (buffer != nullptr && std::fread(buffer, 1, size, file) != size) {
        pugi::get_memory_deallocation_function()(buffer);
        buffer = nullptr;
      }
    }
  }
  const int error = errno;
  std::fclose(file);
  errno = error;
  return buffer;
}

}  // namespace

GmvGeodataXMLReadVisitor::GmvGeodataXMLReadVisitor(std::string utf8Path) : path_(std::move(utf8Path)) {}

GmvGeodataXMLReadVisitor::~GmvGeodataXMLReadVisitor() = default;

bool GmvGeodataXMLReadVisitor::openReader() {
  closeReader();
  StreamedModel model = StreamWsModel(path_, *this);
  if (model.set != nullptr) {
    streamed_ = std::move(model.set);
    streamedElement_ = std::move(model.documentElement);
    return true;
  }
  clearTable();
  return OpenWhole();
}

bool GmvGeodataXMLReadVisitor::OpenWhole() {
  std::size_t size = 0;
  errno = 0;
  char* buffer = ReadWholeFile(path_, size);
  if (buffer == nullptr) {
    Report(path_, 0, std::string("cannot be read: ") + (errno != 0 ? std::strerror(errno) : "read error"));
    return false;
  }
  auto file = std::make_unique<OpenFile>();
  file->lines = SourceLines(buffer, size);
  const pugi::xml_parse_result result =
      file->document.load_buffer_inplace_own(buffer, size, pugi::parse_default, pugi::encoding_utf8);
  if (!result) {
    ReportAt(path_, file->lines, result.offset, std::string("not well-formed XML: ") + result.description());
    return false;
  }
  file_ = std::move(file);
  return true;
}

std::string GmvGeodataXMLReadVisitor::getStartOrEndTag() const {
  if (streamed_ != nullptr) return streamedElement_;
  return file_ ? file_->document.document_element().name() : std::string();
}

GmiGeodataSet* GmvGeodataXMLReadVisitor::makeObject(const std::string& tag) {
  if (streamed_ != nullptr) {
    if (tag == streamedElement_) return streamed_.release();
    // Asked for another element: the whole document says where the file has none.
    streamed_.reset();
    clearTable();
    if (!OpenWhole()) return nullptr;
  }
  if (!file_) return nullptr;
  const pugi::xml_node root = file_->document.document_element();
  try {
    if (tag != root.name()) {
      throw ModelFileProblem(root.offset_debug(), "no " + tag + " element to read here");
    }
    return ReadWsModel(root, *this, file_->lines).release();
  } catch (const ModelFileProblem& problem) {
    ReportAt(path_, file_->lines, problem.Offset(), problem.what());
  }
  clearTable();
  return nullptr;
}

void GmvGeodataXMLReadVisitor::performMethods() {
  clearTable();
  file_.reset();
  streamed_.reset();
#if defined(__GLIBC__)
  // The document lay in many small blocks among the model's; without this the
  // process would keep their pages for the rest of the export.
  malloc_trim(0);
#endif
}

void GmvGeodataXMLReadVisitor::closeReader() {
  clearTable();
  file_.reset();
  streamed_.reset();
}
