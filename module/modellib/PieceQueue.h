#pragma once
// Hands items from one thread to another in order, holding at most a few,
// so that a producer running ahead cannot fill memory. Either side can end
// the hand-over: the producer by closing the queue once all is given, the
// consumer by cancelling it when it wants no more.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <utility>

template <typename Item>
class PieceQueue {
 public:
  explicit PieceQueue(std::size_t capacity) : capacity_(capacity) {}

  // Waits for room; false, with the item dropped, once the queue is cancelled.
  bool Push(Item item) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return cancelled_ || items_.size() < capacity_; });
    if (cancelled_) return false;
    items_.push_back(std::move(item));
    changed_.notify_all();
    return true;
  }

  // The next item; none once the queue is closed and empty, or cancelled.
  std::optional<Item> Pop() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return cancelled_ || closed_ || !items_.empty(); });
    if (cancelled_ || items_.empty()) return std::nullopt;
    std::optional<Item> item(std::move(items_.front()));
    items_.pop_front();
    changed_.notify_all();
    return item;
  }

  void Close() { Set(closed_); }
  void Cancel() { Set(cancelled_); }

 private:
  void Set(bool& flag) {
    const std::lock_guard lock(mutex_);
    flag = true;
    changed_.notify_all();
  }

  const std::size_t capacity_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Item> items_;
  bool closed_ = false;
  bool cancelled_ = false;
};
