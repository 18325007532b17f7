#pragma once
// Random numbers that are the same for the same seed on every platform and
// standard library (the standard distributions are not), so that a seed names
// one network for good.

#include <cstdint>

namespace wsmodel {

class GeneratorRandom {
 public:
  explicit GeneratorRandom(std::uint64_t seed) : state_(seed) {}

  // splitmix64
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }

  // In [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  double Between(double low, double high) { return low + (high - low) * Unit(); }
  // In [low, high], both included.
  int Between(int low, int high) {
    return low + static_cast<int>(Next() % static_cast<std::uint64_t>(high - low + 1));
  }
  bool Chance(double probability) { return Unit() < probability; }

 private:
  std::uint64_t state_;
};

}  // namespace wsmodel
