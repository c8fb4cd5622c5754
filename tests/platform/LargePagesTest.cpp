#include <gtest/gtest.h>

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
