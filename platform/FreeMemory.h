#pragma once
// Gives the pages of freed heap memory back to the system. The allocator
// keeps freed memory for later use by the thread that freed it; after a
// step whose large temporary structures were built on another thread, that
// memory would only raise the process's footprint while the next step
// grows elsewhere.

namespace platform {

void ReleaseFreeMemory();

}  // namespace platform
