#include "MMMemory.h"

#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
extern "C" void __sanitizer_purge_allocator();
#elif defined(__GLIBC__)
#include <malloc.h>
#endif

namespace mm {

bool releaseFreedMemory()
{
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_purge_allocator();
    return true;
#elif defined(__GLIBC__)
    ::malloc_trim(0);
    return true;
#else
    return false;
#endif
}

} // namespace mm
