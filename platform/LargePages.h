#pragma once
// Buffers of many megabytes that are filled once, front to back, such as a
// year of graph data: faulting them in page by page can cost more than
// computing what goes into them.
#include <cstddef>

namespace Platform {

// The size of the large pages the system may use, 2 MiB.
constexpr std::size_t LargePageBytes = std::size_t{1} << 21;

// Asks the system to back the whole large pages inside [data, data + bytes)
// with large pages when they are first touched. Best effort: nothing changes
// where the system declines, and parts already touched stay as they are.
void AdviseLargePages(void* data, std::size_t bytes);

}  // namespace Platform
