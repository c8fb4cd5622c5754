#pragma once
// The dictionary of the table files shipped beside the test binary, loaded
// once per process.
#include <gtest/gtest.h>

#include "foundation/Dictionary.h"
#include "foundation/Paths.h"

namespace TestSupport {

inline void LoadShippedDictionary() {
  static const bool loaded = PardeloStravon::LoadDictionary(PardeloStravon::ProgramFolder());
  ASSERT_TRUE(loaded) << "the table files beside the test binary did not load";
}

}  // namespace TestSupport
