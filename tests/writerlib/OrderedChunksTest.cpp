#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "OrderedChunks.h"

namespace {

// Chunks that take uneven times, so that the threads overtake each other.
void Pause(std::size_t chunk) { std::this_thread::sleep_for(std::chrono::microseconds((chunk * 7919) % 400)); }

}  // namespace

TEST(OrderedChunks, ChunksAreHandedOnInTheirOrderWhicheverThreadMadeThem) {
  for (const std::size_t chunks : {0u, 1u, 2u, 3u, 200u}) {
    std::size_t made[2] = {};
    bool used[2] = {};
    std::vector<std::size_t> handedOn;
    MakeChunksInOrder(
        chunks,
        [&](int thread, std::size_t chunk) {
          Pause(chunk);
          made[thread] = chunk;
          used[thread] = true;
        },
        [&](int thread) { handedOn.push_back(made[thread]); });
    ASSERT_EQ(handedOn.size(), chunks);
    for (std::size_t i = 0; i < chunks; ++i) EXPECT_EQ(handedOn[i], i) << chunks << " chunks";
    if (chunks == 200) {
      EXPECT_TRUE(used[0] && used[1]) << "both threads take chunks";
    }
  }
}

TEST(OrderedChunks, AFailureOnEitherThreadStopsTheWorkAndComesOut) {
  for (const int failing : {0, 1}) {
    std::vector<std::size_t> handedOn;
    std::size_t made[2] = {};
    bool failed = false;
    const auto make = [&](int thread, std::size_t chunk) {
      // Each thread makes at least one chunk before the failing one fails.
      Pause(chunk);
      if (thread == failing && chunk >= 10) throw std::runtime_error("chunk " + std::to_string(chunk));
      made[thread] = chunk;
    };
    try {
      MakeChunksInOrder(1000, make, [&](int thread) { handedOn.push_back(made[thread]); });
    } catch (const std::runtime_error& e) {
      failed = std::string(e.what()).rfind("chunk ", 0) == 0;
    }
    EXPECT_TRUE(failed) << "thread " << failing;
    EXPECT_LT(handedOn.size(), 1000u);
    for (std::size_t i = 0; i < handedOn.size(); ++i) EXPECT_EQ(handedOn[i], i);
  }
}
