// Any bytes as the network's layer of the legacy document (the first byte
// picks the document version): it loads or is refused; what loads stores,
// loads again and stores the same bytes.
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/LegacyFormat.h"
#include "tests/support/DocDouble.h"
#include "tests/support/fuzz/Refusal.h"
#include "tests/support/fuzz/CatalogueOnce.h"
#include "tests/support/fuzz/FuzzCheck.h"

using namespace PardeloStravon;

namespace {

std::vector<std::uint8_t> Stored(InstrNetOpt& opt)
{
  Platform::LegacyArchive out;
  opt.SerializeLegacy(out, LegacyDocVersion, true);
  return out.Bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  FuzzInput::LoadShippedTables();
  if (size < 1) return 0;
  const int version = OldestLegacyDocVersion + data[0] % (LegacyDocVersion - OldestLegacyDocVersion + 1);
  TestSupport::DocDouble doc;
  const bool loaded = FuzzInput::Accepted([&] {
    Platform::LegacyArchive in(std::vector<std::uint8_t>(data + 1, data + size));
    doc.NetOpt().SerializeLegacy(in, version, true);
  });
  if (!loaded) return 0;
  const std::vector<std::uint8_t> bytes = Stored(doc.NetOpt());
  TestSupport::DocDouble other;
  Platform::LegacyArchive in(bytes);
  other.NetOpt().SerializeLegacy(in, LegacyDocVersion, true);
  FUZZ_CHECK(in.Remaining() == 0);
  FUZZ_CHECK(Stored(other.NetOpt()) == bytes);
  return 0;
}
