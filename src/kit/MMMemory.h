#pragma once

#include <cstddef>

namespace mm {

// glibc keeps freed blocks in its heaps for reuse, and after a large mapped block is freed it
// raises its bound for mapping blocks (up to 32 MiB), so later full-screen pictures come from a
// heap and stay resident after they are freed: in a thread's heap even malloc_trim cannot take
// them back. From this call on, blocks of at least `bytes` get mappings of their own, unmapped
// when freed, and the bound stays. Call once at start-up; nothing elsewhere (an
// AddressSanitizer build keeps its own allocator).
void returnLargeBlocksWhenFreed(std::size_t bytes = 256 * 1024);

// Hands the memory of freed blocks back to the system after a burst of large allocations (a
// screen capture's frozen pictures and overlays): glibc's malloc_trim, the sanitizer's purge of
// its quarantine in an AddressSanitizer build. Takes a few milliseconds. False where the
// allocator offers no way.
bool releaseFreedMemory();

} // namespace mm
