// Any bytes opened as an XML document: a clean failure, or a document that
// saves, loads again and saves to the same bytes.
#include <cstdint>

#include "document/DocXmlFormat.h"
#include "tests/document/fuzz/DocFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  DocFuzz::LoadSaveLoad(
      bytes, [](PardeloStravon::QziDocF& f, const std::string& b) { PardeloStravon::LoadDocXml(f, b); },
      [](PardeloStravon::QziDocF& f) { return PardeloStravon::SaveDocXml(f); });
  return 0;
}
