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

  // Reads the file and builds its model (see ModelFileReader.h); false
  // (reported) when it cannot be read or breaks any rule of the format.
  bool openReader();
  // The name of the document element; empty when the reader is not open.
  std::string getStartOrEndTag() const;
  // The geodata set for the document element named `tag`; null (reported)
  // when the file has no such element. The caller owns the set.
  GmiGeodataSet* makeObject(const std::string& tag);
  // Releases what reading left behind.
  void performMethods();
  void closeReader();

 private:
  std::string path_;
  std::unique_ptr<GmiGeodataSet> set_;
  std::string documentElement_;
  int documentElementLine_ = 0;
};
