// Any bytes as a node's piece of the legacy document (the first byte picks
// the document version, the second the instrument type): the piece loads or
// is refused; what loads stores, loads again and stores the same bytes.
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "foundation/catalogue/InstrTable.h"
#include "network/nodes/NodeLegacy.h"
#include "tests/support/fuzz/Refusal.h"
#include "tests/support/fuzz/CatalogueOnce.h"
#include "tests/support/fuzz/FuzzCheck.h"

using namespace PardeloStravon;

namespace {

void Quiet(const std::wstring&) {}

std::vector<std::uint8_t> Stored(Node& node)
{
  Platform::LegacyArchive out;
  SerializeNodeLegacy(node, out, LegacyDocVersion, true, Quiet);
  return out.Bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  FuzzInput::LoadShippedTables();
  if (size < 2) return 0;
  const int version = OldestLegacyDocVersion + data[0] % (LegacyDocVersion - OldestLegacyDocVersion + 1);
  const std::wstring code = InstrCodes()[data[1] % InstrCodes().size()];
  Node node(code);
  const bool loaded = FuzzInput::Accepted([&] {
    Platform::LegacyArchive in(std::vector<std::uint8_t>(data + 2, data + size));
    SerializeNodeLegacy(node, in, version, true, Quiet);
  });
  if (!loaded) return 0;
  const std::vector<std::uint8_t> bytes = Stored(node);
  Node again(code);
  Platform::LegacyArchive in(bytes);
  SerializeNodeLegacy(again, in, LegacyDocVersion, true, Quiet);
  FUZZ_CHECK(in.Remaining() == 0);
  FUZZ_CHECK(Stored(again) == bytes);
  return 0;
}
