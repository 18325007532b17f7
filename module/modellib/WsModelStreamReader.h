#pragma once
// Reads a model file piece by piece, so that a city's model never lies in
// memory as one parsed document (several times the size of the file): the
// file is scanned for the borders between the document element's children,
// and each run of about a megabyte of whole children is parsed on its own and
// handed to the model reader. Scanning and parsing run on a second thread,
// a piece or two ahead of the model reader.
//
// It takes files of the usual shape: before the document element only an XML
// declaration, other processing instructions, comments and blanks, and after
// it only the same. Anything else (a document type, a byte order mark, a NUL
// byte, any XML or model problem) makes it give up and return nothing, and
// the caller reads the file whole, which also reports what is wrong. A file
// it takes gives exactly the model the whole document gives.

#include <memory>
#include <string>

class GmiGeodataSet;
class XMLRead_IDTable;

struct StreamedModel {
  std::unique_ptr<GmiGeodataSet> set;
  std::string documentElement;  // its name
};

// Null set when the file is not taken; `ids` then holds whatever was read.
StreamedModel StreamWsModel(const std::string& utf8Path, XMLRead_IDTable& ids);
