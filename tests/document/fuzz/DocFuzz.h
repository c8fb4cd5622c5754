#pragma once
// What both document fuzz targets share: the network tests' catalogue,
// loaded once, and fresh content without threads for each input. No shell
// is installed: the stand-in without windows shows nothing.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "document/QziDocF.h"
#include "tests/support/TestCatalogue.h"

namespace DocFuzz {

inline void Once() {
  static const bool done = [] {
    TestSupport::LoadNetworkTestCatalogue();
    return true;
  }();
  (void)done;
}

template <class Bytes>
void WriteSave(const char* name, const Bytes& bytes) {
  if (std::FILE* out = std::fopen(name, "wb")) {
    std::fwrite(bytes.data(), sizeof(bytes[0]), bytes.size(), out);
    std::fclose(out);
  }
}

// Loads the bytes into fresh content; when that succeeds, saves, loads the
// saved bytes and saves again: both saves must be the same.
template <class Bytes, class Load, class Save>
void LoadSaveLoad(const Bytes& input, Load load, Save save) {
  Once();
  PardeloStravon::ImmScoped<PardeloStravon::QziDocF> content;
  PardeloStravon::CreateContent(content, nullptr);
  try {
    load(*content, input);
  } catch (...) {
    return;  // a clean failure
  }
  const Bytes first = save(*content);
  PardeloStravon::CreateContent(content, nullptr);
  load(*content, first);
  const Bytes second = save(*content);
  if (first != second) {
    // Both saves beside the finding, to compare them.
    WriteSave("first-save", first);
    WriteSave("second-save", second);
    std::fprintf(stderr, "the second save differs from the first: see first-save and second-save\n");
    std::abort();
  }
}

}  // namespace DocFuzz
