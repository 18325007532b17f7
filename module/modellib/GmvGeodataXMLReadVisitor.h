#pragma once
// Reads one model file (the format of docs/model-format.md). The caller opens
// the reader, clears the id table, asks for the start tag, makes the object
// for it, performs the pending methods and closes the reader; then it deletes
// the visitor and, in time, the set.
//
// Every problem of the file is reported as one line "\n<file>:<line>: <what>"
// on the host's command line, and then nothing is made.

#include <memory>
#include <string>

#include "XMLRead_IDTable.h"

class GmiGeodataSet;

class GmvGeodataXMLReadVisitor : public XMLRead_IDTable {
 public:
  explicit GmvGeodataXMLReadVisitor(std::string utf8Path);
  ~GmvGeodataXMLReadVisitor();
  GmvGeodataXMLReadVisitor(const GmvGeodataXMLReadVisitor&) = delete;
  GmvGeodataXMLReadVisitor& operator=(const GmvGeodataXMLReadVisitor&) = delete;

  // Reads and parses the file; false (reported) when it cannot be read or is
  // not well-formed XML. A file of the usual shape is read piece by piece and
  // its model made on the way (see WsModelStreamReader.h); any other file, and
  // any file with a problem, is parsed whole, and its model made by makeObject.
  bool openReader();
  // The name of the document element; empty when the reader is not open.
  std::string getStartOrEndTag() const;
  // The geodata set for the document element named `tag`; null (reported)
  // when the file breaks any rule of the format. The caller owns the set.
  GmiGeodataSet* makeObject(const std::string& tag);
  // Finishes what reading left pending: the parsed document and the id table
  // are no longer needed once the object is made, and are released.
  void performMethods();
  void closeReader();

 private:
  struct OpenFile;
  bool OpenWhole();

  std::string path_;
  std::unique_ptr<OpenFile> file_;
  std::unique_ptr<GmiGeodataSet> streamed_;
  std::string streamedElement_;
};
