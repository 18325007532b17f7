#pragma once
// Builds a network model from the parsed document of a model file, checking
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

// Throws ModelFileProblem for the first problem met.
// `lines` places an earlier definition in the message for a duplicate id.
std::unique_ptr<GmiGeodataSet> ReadWsModel(const pugi::xml_node& documentElement, XMLRead_IDTable& ids,
                                           const SourceLines& lines);
