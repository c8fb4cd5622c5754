// Any text as the network options and nodes of the XML document archive: it
// loads or is refused; what loads saves to a text that loads to the same.
#include <cstdint>

#include "network/nodes/InstrNetOpt.h"
#include "tests/support/DocDouble.h"
#include "tests/support/fuzz/CatalogueOnce.h"
#include "tests/support/fuzz/FuzzCheck.h"
#include "tests/support/fuzz/XmlArchiveText.h"

using namespace PardeloStravon;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  FuzzInput::LoadShippedTables();
  std::wstring text;
  if (!FuzzInput::WideText(data, size, text)) return 0;
  TestSupport::DocDouble doc;
  if (!FuzzInput::LoadXml(text, "tm_dhms_", doc.NetOpt())) return 0;
  const std::wstring saved = FuzzInput::SaveXml("tm_dhms_", doc.NetOpt());
  TestSupport::DocDouble other;
  FUZZ_CHECK(FuzzInput::LoadXml(saved, "tm_dhms_", other.NetOpt()));
  FUZZ_CHECK(FuzzInput::SaveXml("tm_dhms_", other.NetOpt()) == saved);
  return 0;
}
