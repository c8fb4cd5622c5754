#pragma once
// Buffers of many megabytes that are filled once, front to back, such as a
// year of graph data: faulting them in page by page can cost more than
// computing what goes into them.
#include <cstddef>

namespace Platform {

// The size of the large pages the system may use, 2 MiB.
constexpr std::size_t LargePageBytes = std::size_t{1} << 21;

// How many bytes to ask operator new for when at least `bytes` are wanted
// and the block should start a large page of its own: the C library maps
// requests from 32 MiB up apart, and the kernel starts a mapping of whole
// large pages on a large page. Never less than `bytes`; what is never
// written stays virtual.
std::size_t LargePageRequest(std::size_t bytes);

// Asks the system to back the whole large pages inside [data, data + bytes)
// with large pages when they are first touched; a block that starts a few
// bytes (the allocator's header) past a large page's start takes that large
// page too. Best effort: nothing changes where the system declines, and no
// byte's value changes.
void AdviseLargePages(void* data, std::size_t bytes);

// Gives the whole pages inside [data, data + bytes) back to the system, for
// the unfilled end of a buffer whose large page was taken whole: they read
// as zero if touched again.
void ReleasePages(void* data, std::size_t bytes);

}  // namespace Platform
