#include "platform/LargePages.h"

#include <sys/mman.h>

#include <cstdint>

namespace Platform {

void AdviseLargePages(void* data, std::size_t bytes) {
  const std::uintptr_t begin = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = (begin + LargePageBytes - 1) & ~(LargePageBytes - 1);
  const std::uintptr_t last = (begin + bytes) & ~(LargePageBytes - 1);
  if (data == nullptr || last <= first) return;
  // A refusal (no such support, memory not from a private mapping) leaves
  // the ordinary pages: the data are the same, only slower to fault in.
  (void)madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

}  // namespace Platform
