#pragma once
// Builds a network model from the parsed elements of a model file, checking
// every rule of the format on the way. Definitions are read first, in file
// order, so that references may point forward; references are resolved after.

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>

#include <pugixml.hpp>

#include "SourceLines.h"
#include "XMLRead_IDTable.h"

class GmiGeodataSet;

// A rule of the format broken at `offset` (bytes into the file).
class ModelFileProblem : public std::runtime_error {
 public:
  ModelFileProblem(std::ptrdiff_t offset, const std::string& what) : std::runtime_error(what), offset_(offset) {}
  std::ptrdiff_t Offset() const { return offset_; }

 private:
  std::ptrdiff_t offset_;
};

// Reads the elements of a model file as they come, so that a large file can
// be parsed piece by piece: Begin with the document element, Define with each
// node whose element children are composites, Finish once all are defined.
// `base` is where the parsed buffer starts in the file, for the offsets of
// problems. Each throws ModelFileProblem for the first problem met; `lines`
// places an earlier definition in the message for a duplicate id.
class ModelElementReader {
 public:
  ModelElementReader(XMLRead_IDTable& ids, const SourceLines& lines);
  ~ModelElementReader();
  ModelElementReader(const ModelElementReader&) = delete;
  ModelElementReader& operator=(const ModelElementReader&) = delete;

  // `defaultNamespace` stands for the namespace the document element does not give.
  void Begin(const pugi::xml_node& documentElement, std::ptrdiff_t base, const std::wstring& defaultNamespace);
  void Define(const pugi::xml_node& parent, std::ptrdiff_t base);
  std::unique_ptr<GmiGeodataSet> Finish();

 private:
  class Reader;
  std::unique_ptr<Reader> reader_;
};
