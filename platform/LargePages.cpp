#include "platform/LargePages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

namespace Platform {

namespace {

// glibc's header before a block it maps apart, and the request that makes
// such a mapping exactly whole large pages.
constexpr std::uintptr_t ChunkHeader = 16;
constexpr std::size_t ChunkOverhead = 32;
// The highest glibc's mmap threshold climbs to on a 64-bit system.
constexpr std::size_t MappedApartFrom = std::size_t{32} << 20;
// MADV_COLLAPSE (Linux 6.1), which this C library's headers do not name yet.
constexpr int CollapseAdvice = 25;

std::uintptr_t LargePageDown(std::uintptr_t a) { return a & ~(LargePageBytes - 1); }

}  // namespace

std::size_t LargePageRequest(std::size_t bytes) {
  if (bytes > SIZE_MAX / 2) return bytes;
  const std::size_t mapping = std::max(bytes + ChunkOverhead, MappedApartFrom + LargePageBytes);
  return LargePageDown(mapping + LargePageBytes - 1) - ChunkOverhead;
}

void AdviseLargePages(void* data, std::size_t bytes) {
  const std::uintptr_t begin = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t head = LargePageDown(begin);
  const bool takesHead = begin != head && begin - head <= ChunkHeader;
  const std::uintptr_t first = takesHead ? head : LargePageDown(begin + LargePageBytes - 1);
  const std::uintptr_t last = LargePageDown(begin + bytes);
  if (data == nullptr || last <= first) return;
  // A refusal (no such support, memory not from a private mapping) leaves
  // the ordinary pages: the data are the same, only slower to fault in.
  if (madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE) != 0) return;
  // The allocator's header has touched the head already, so it would fault
  // in small page by small page; collapsing it keeps its bytes.
  if (takesHead) (void)madvise(reinterpret_cast<void*>(head), LargePageBytes, CollapseAdvice);
}

void ReleasePages(void* data, std::size_t bytes) {
  static const std::uintptr_t page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const std::uintptr_t begin = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = (begin + page - 1) & ~(page - 1);
  const std::uintptr_t last = (begin + bytes) & ~(page - 1);
  if (data == nullptr || last <= first) return;
  (void)madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
}

}  // namespace Platform
