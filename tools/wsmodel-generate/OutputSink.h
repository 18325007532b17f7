#pragma once
// Where the generator's text goes: a file written atomically, or a string
// (tests). Writers append whole lines; the sink buffers.

#include <string>
#include <string_view>

#include "AtomicFile.h"

namespace wsmodel {

class OutputSink {
 public:
  virtual ~OutputSink() = default;
  virtual void Write(std::string_view text) = 0;
};

class StringSink : public OutputSink {
 public:
  void Write(std::string_view text) override { text_ += text; }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// Collects text into blocks of about a megabyte before handing it to the file.
class FileSink : public OutputSink {
 public:
  // False when the file cannot be created.
  bool Open(const std::string& utf8Path) { return file_.Open(utf8Path); }
  void Write(std::string_view text) override;
  // Writes what is left and puts the file in place; false on any write failure.
  bool Commit();

 private:
  platform::AtomicFile file_;
  std::string block_;
};

}  // namespace wsmodel
