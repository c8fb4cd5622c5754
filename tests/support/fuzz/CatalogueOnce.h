#pragma once
// The shipped tables beside the fuzz program, loaded once per process.
#include <cstdio>
#include <cstdlib>

#include "foundation/catalogue/LoadResources.h"
#include "foundation/core/Paths.h"

namespace FuzzInput {

inline void LoadShippedTables()
{
  static const bool loaded = [] {
    if (!PardeloStravon::LoadResources(PardeloStravon::ProgramFolder()).empty()) {
      std::fprintf(stderr, "the shipped tables beside the program did not load\n");
      std::abort();
    }
    return true;
  }();
  (void)loaded;
}

}  // namespace FuzzInput
