#pragma once
// Where the SOSI writer's bytes go: a file on disk or, in tests, memory.

#include <string>
#include <string_view>

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // False once any write has failed; later writes are ignored.
  virtual bool Write(std::string_view bytes) = 0;
};

class MemorySink : public ByteSink {
 public:
  bool Write(std::string_view bytes) override {
    bytes_.append(bytes);
    return true;
  }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};
