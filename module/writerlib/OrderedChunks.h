#pragma once
// Makes numbered chunks of output on two threads and hands them on in their
// order, so that the result is the same as one thread's. Each thread takes
// the lowest chunk not yet taken, makes it, and waits until every earlier
// chunk is handed on before handing on its own: a thread holds at most one
// chunk, which bounds the memory.

#include <cstddef>
#include <functional>

// `make(thread, chunk)` makes the chunk with what is the thread's own
// (thread 0 is the caller, 1 the second thread); `handOn(thread)` hands on
// what the thread made last. Hand-ons never overlap. An exception from either
// stops both threads and comes out of this call.
void MakeChunksInOrder(std::size_t chunks, const std::function<void(int thread, std::size_t chunk)>& make,
                       const std::function<void(int thread)>& handOn);
