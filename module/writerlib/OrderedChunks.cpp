#include "OrderedChunks.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

namespace {

class ChunkTurns {
 public:
  explicit ChunkTurns(std::size_t chunks) : chunks_(chunks) {}

  // The lowest chunk not yet taken; none when all are, or the work stopped.
  std::optional<std::size_t> Take() {
    const std::lock_guard lock(mutex_);
    if (stopped_ || taken_ == chunks_) return std::nullopt;
    return taken_++;
  }

  // Waits until every chunk before `chunk` is handed on; false when the
  // work stopped.
  bool WaitTurn(std::size_t chunk) {
    std::unique_lock lock(mutex_);
    turn_.wait(lock, [&] { return stopped_ || handedOn_ == chunk; });
    return !stopped_;
  }

  void HandedOn() {
    {
      const std::lock_guard lock(mutex_);
      ++handedOn_;
    }
    turn_.notify_all();
  }

  void Stop() {
    {
      const std::lock_guard lock(mutex_);
      stopped_ = true;
    }
    turn_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable turn_;
  const std::size_t chunks_;
  std::size_t taken_ = 0;
  std::size_t handedOn_ = 0;
  bool stopped_ = false;
};

void MakeChunks(ChunkTurns& turns, int thread, const std::function<void(int, std::size_t)>& make,
                const std::function<void(int)>& handOn) {
  while (const std::optional<std::size_t> chunk = turns.Take()) {
    make(thread, *chunk);
    if (!turns.WaitTurn(*chunk)) return;
    handOn(thread);
    turns.HandedOn();
  }
}

}  // namespace

void MakeChunksInOrder(std::size_t chunks, const std::function<void(int, std::size_t)>& make,
                       const std::function<void(int)>& handOn) {
  ChunkTurns turns(chunks);
  std::exception_ptr secondFailure;
  std::thread second;
  if (chunks > 1) {
    second = std::thread([&] {
      try {
        MakeChunks(turns, 1, make, handOn);
      } catch (...) {
        secondFailure = std::current_exception();
        turns.Stop();
      }
    });
  }
  try {
    MakeChunks(turns, 0, make, handOn);
  } catch (...) {
    turns.Stop();
    if (second.joinable()) second.join();
    throw;
  }
  if (second.joinable()) second.join();
  if (secondFailure) std::rethrow_exception(secondFailure);
}
