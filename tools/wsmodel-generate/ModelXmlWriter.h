#pragma once
// Writes model file elements one at a time, in the order the caller gives
// them. Numbers are written with two decimals whatever the locale.

#include <cstdint>
#include <string>
#include <string_view>

#include "GeneratedNetwork.h"
#include "OutputSink.h"

namespace wsmodel {

class ModelXmlWriter {
 public:
  explicit ModelXmlWriter(OutputSink& sink) : sink_(sink) {}

  // The model's identifiers are in a namespace of its own seed.
  void Begin(std::uint64_t seed);
  void PointObject(const GenPointObject& pointObject);
  void Pipe(const GenPipe& pipe);
  void Device(const GenOtherObject& device);
  void TrenchPath(const GenTrenchPath& path);
  void TrenchObject(const GenOtherObject& object);
  void TrenchNode(const GenTrenchNode& node);
  void End();

 private:
  void Text(std::string_view name, std::string_view value);
  void Number(std::string_view name, double value);
  void Integer(std::string_view name, long long value);
  void ClassId(std::uint64_t value);
  void IdList(std::string_view name, const std::vector<int>& ids);
  void Position(const Place& at);
  void Flush();

  OutputSink& sink_;
  std::string line_;
};

}  // namespace wsmodel
