#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "PieceQueue.h"

TEST(PieceQueue, ItemsArriveInOrderAndTheProducerNeverRunsFarAhead) {
  PieceQueue<std::unique_ptr<int>> queue(2);
  std::vector<int> popped;
  int mostAhead = 0;
  std::atomic<int> pushed = 0;
  std::thread producer([&] {
    for (int i = 0; i < 1000; ++i) {
      ASSERT_TRUE(queue.Push(std::make_unique<int>(i)));
      pushed.store(i + 1);
    }
    queue.Close();
  });
  while (std::optional<std::unique_ptr<int>> item = queue.Pop()) {
    popped.push_back(**item);
    mostAhead = std::max(mostAhead, pushed.load() - static_cast<int>(popped.size()));
  }
  producer.join();
  ASSERT_EQ(popped.size(), 1000u);
  for (int i = 0; i < 1000; ++i) EXPECT_EQ(popped[i], i);
  // What the consumer saw pushed and not yet popped: at most the two waiting
  // and the one the producer may have just pushed.
  EXPECT_LE(mostAhead, 3);
}

TEST(PieceQueue, CancellingReleasesAWaitingProducerAndEndsPopping) {
  PieceQueue<int> queue(1);
  bool lastPush = true;
  std::thread producer([&] {
    for (int i = 0; lastPush; ++i) lastPush = queue.Push(i);
  });
  EXPECT_EQ(queue.Pop(), 0);
  queue.Cancel();
  producer.join();  // would hang if the full queue kept the producer waiting
  EXPECT_FALSE(lastPush);
  EXPECT_EQ(queue.Pop(), std::nullopt);
}

TEST(PieceQueue, ClosingLetsTheConsumerTakeWhatIsLeft) {
  PieceQueue<int> queue(3);
  ASSERT_TRUE(queue.Push(1));
  ASSERT_TRUE(queue.Push(2));
  queue.Close();
  EXPECT_EQ(queue.Pop(), 1);
  EXPECT_EQ(queue.Pop(), 2);
  EXPECT_EQ(queue.Pop(), std::nullopt);
}
