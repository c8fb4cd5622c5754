// Any bytes opened as a legacy document: a clean failure, or a document that
// saves, loads again and saves to the same bytes.
#include <cstdint>
#include <vector>

#include "document/DocLegacyFormat.h"
#include "tests/document/fuzz/DocFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  DocFuzz::LoadSaveLoad(
      bytes,
      [](PardeloStravon::QziDocF& f, const std::vector<std::uint8_t>& b) {
        PardeloStravon::LoadDocLegacyBytes(f, b);
      },
      [](PardeloStravon::QziDocF& f) { return PardeloStravon::SaveDocLegacy(f); });
  return 0;
}
