#pragma once
// Where the SOSI writer's bytes go: a file on disk or, in tests, memory.

#include <cstddef>
#include <string>
#include <string_view>

class ByteSink {
 public:
  // Writers hand on blocks of about this size, and a file sink gathers
  // smaller writes into blocks of it.
  static constexpr std::size_t kBlockBytes = 1 << 20;

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
  void Clear() { bytes_.clear(); }

 private:
  std::string bytes_;
};
