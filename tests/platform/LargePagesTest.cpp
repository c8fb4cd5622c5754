#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <vector>

#include "platform/LargePages.h"

using namespace Platform;

// The advice may change how pages are backed, never what they hold: a buffer
// advised whole, in part, unaligned or not at all keeps every byte written
// before and takes every byte written after.
TEST(LargePages, Advice_KeepsTouchedDataAndLeavesTheRestWritable) {
  struct Case {
    const char* name;
    std::size_t offset;
    std::size_t bytes;
  } cases[] = {
      {"whole buffer", 0, 6 * LargePageBytes},
      {"unaligned middle", 12345, 3 * LargePageBytes + 777},
      {"less than a large page", 100, LargePageBytes - 200},
      {"nothing", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::uint32_t> buffer;
    buffer.reserve(6 * LargePageBytes / sizeof(std::uint32_t));
    buffer.resize(LargePageBytes / sizeof(std::uint32_t));
    for (std::size_t i = 0; i < buffer.size(); ++i) buffer[i] = static_cast<std::uint32_t>(i * 2654435761u);
    AdviseLargePages(reinterpret_cast<char*>(buffer.data()) + c.offset, c.bytes);
    buffer.resize(buffer.capacity());
    for (std::size_t i = LargePageBytes / sizeof(std::uint32_t); i < buffer.size(); ++i)
      buffer[i] = static_cast<std::uint32_t>(i * 2654435761u);
    for (std::size_t i = 0; i < buffer.size(); ++i)
      ASSERT_EQ(buffer[i], static_cast<std::uint32_t>(i * 2654435761u)) << i;
  }
  AdviseLargePages(nullptr, 8 * LargePageBytes);
}

// A request for a block of its own: never less than asked, a whole number of
// large pages with the allocator's bookkeeping, at least the size the C
// library always maps apart; a block so requested and advised from its
// large page's start keeps what was written before and takes what follows.
TEST(LargePages, Request_CoversWholeLargePagesAndItsBlockKeepsItsBytes) {
  constexpr std::size_t Overhead = 32;
  for (std::size_t bytes : {std::size_t{1}, LargePageBytes, 40 * LargePageBytes + 5}) {
    SCOPED_TRACE(bytes);
    const std::size_t request = LargePageRequest(bytes);
    EXPECT_GE(request, bytes);
    EXPECT_GE(request, std::size_t{32} << 20);
    EXPECT_EQ((request + Overhead) % LargePageBytes, 0u);

    std::vector<std::uint64_t> block;
    block.reserve(request / sizeof(std::uint64_t));
    block.resize(1000);
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = i * 0x9E3779B97F4A7C15u;
    AdviseLargePages(block.data(), block.capacity() * sizeof(std::uint64_t));
    block.resize(3 * LargePageBytes / sizeof(std::uint64_t));
    for (std::size_t i = 1000; i < block.size(); ++i) block[i] = i * 0x9E3779B97F4A7C15u;
    for (std::size_t i = 0; i < block.size(); ++i)
      ASSERT_EQ(block[i], i * 0x9E3779B97F4A7C15u) << i;
  }
  EXPECT_EQ(LargePageRequest(SIZE_MAX - 3), SIZE_MAX - 3);
}

// Released pages read as zero again; the bytes around them, on pages only
// partly inside the range, stay as they were.
TEST(LargePages, Release_ZeroesOnlyTheWholePagesInside) {
  const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  std::vector<unsigned char> buffer(8 * page + 100, 0xA5);
  const std::uintptr_t base = reinterpret_cast<std::uintptr_t>(buffer.data());
  const std::size_t from = 123;
  const std::size_t bytes = 6 * page;
  ReleasePages(buffer.data() + from, bytes);
  const std::uintptr_t first = (base + from + page - 1) / page * page;
  const std::uintptr_t last = (base + from + bytes) / page * page;
  for (std::size_t i = 0; i < buffer.size(); ++i) {
    const std::uintptr_t at = base + i;
    ASSERT_EQ(buffer[i], at >= first && at < last ? 0 : 0xA5) << i;
  }
  ReleasePages(nullptr, bytes);
  ReleasePages(buffer.data(), 0);
}
