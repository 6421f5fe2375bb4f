#pragma once

namespace mm {

// Hands the memory of freed blocks back to the system after a burst of large allocations (a
// screen capture's frozen pictures and overlays): glibc's malloc_trim, the sanitizer's purge of
// its quarantine in an AddressSanitizer build. Takes a few milliseconds, and the next burst
// finds its pages anew (a full-screen picture's faults cost about a millisecond), so call it
// once a burst is over, not between bursts that follow each other. False where the allocator
// offers no way.
//
// glibc's own bound for giving large blocks mappings of their own is left to it: fixed low, every
// full-screen picture and paint buffer would be mapped and faulted anew each time it is made.
bool releaseFreedMemory();

} // namespace mm
