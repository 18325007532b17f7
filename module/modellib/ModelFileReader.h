#pragma once
// Reads a model file once and builds its model, without ever holding the
// parsed document of the whole file (several times the size of the file):
// the file is read into one buffer, the borders between the document
// element's children are found, and each run of about a megabyte of whole
// children is parsed in place and built on its own.
//
// Where the beginning of the file is of another shape than the usual (a
// document type, a NUL byte, anything but a declaration, processing
// instructions, comments and blanks before the document element), the whole
// file is parsed as one piece. A problem is given with the line it stands on.

#include <memory>
#include <string>
#include <string_view>

class GmiGeodataSet;
class XMLRead_IDTable;

struct ModelFileContents {
  std::unique_ptr<GmiGeodataSet> set;  // null when the file has a problem
  std::string documentElement;         // its name
  int documentElementLine = 0;
  // The first problem met; `problemLine` 0 when the file could not be read at all.
  std::string problem;
  int problemLine = 0;
};

ModelFileContents ReadModelFile(const std::string& utf8Path, XMLRead_IDTable& ids);
// The same for the bytes of a model file already in memory.
ModelFileContents ReadModelText(std::string_view bytes, XMLRead_IDTable& ids);
