// How the process's allocator gives memory back to the system.
#pragma once

namespace platform {

// Decoded screenshots and their encode buffers are megabytes each and come
// and go with every image copy; they are to go back to the system when freed
// rather than stay with the process. Call once, first thing in main.
void ReturnLargeBlocksWhenFreed();

// Hands the free pages inside the heaps back to the system: worth it after a
// burst of large work (image captures), a few milliseconds, never in a loop.
void GiveBackFreePages();

} // namespace platform
