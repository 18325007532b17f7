#pragma once
// Gives the reader for a model file.

class GmvGeodataXMLReadVisitor;

class GmvGeodataXMLFactory {
 public:
  // A new visitor for the file at `utf8Path` (UTF-8, any letters), owned by
  // the caller; null when the path is null or empty or names no regular file.
  static GmvGeodataXMLReadVisitor* getGeodataXMLReadVisitor(const char* utf8Path);
};
