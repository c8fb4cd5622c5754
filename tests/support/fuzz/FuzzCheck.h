#pragma once
// A broken promise found by a fuzz target: the message and an abort, which
// libFuzzer keeps as a crash and the replay test reports as a failure.
#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(condition)                                                         \
  do {                                                                                \
    if (!(condition)) {                                                               \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                   \
    }                                                                                 \
  } while (false)

namespace FuzzInput {

inline std::string Text(const unsigned char* data, std::size_t size)
{
  return std::string(reinterpret_cast<const char*>(data), size);
}

}  // namespace FuzzInput
