#include "platform/process_memory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

void ReturnLargeBlocksWhenFreed()
{
#if defined(__GLIBC__)
    // glibc raises its mapping threshold to the size of each large block
    // freed, so after the first image every later one comes from the heap,
    // where freed space mostly stays with the process. A fixed threshold
    // keeps blocks of 1 MiB and more in mappings of their own.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
    // The Windows heap hands large blocks back by itself.
}

void GiveBackFreePages()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace platform
