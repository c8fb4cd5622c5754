// Any text as a node of the XML document archive: it loads or is refused;
// what loads saves to a text that loads to the same node.
#include <cstdint>

#include "network/nodes/Node.h"
#include "tests/support/fuzz/CatalogueOnce.h"
#include "tests/support/fuzz/FuzzCheck.h"
#include "tests/support/fuzz/XmlArchiveText.h"

using namespace PardeloStravon;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  FuzzInput::LoadShippedTables();
  std::wstring text;
  if (!FuzzInput::WideText(data, size, text)) return 0;
  Node node;
  if (!FuzzInput::LoadXml(text, "node", node)) return 0;
  const std::wstring saved = FuzzInput::SaveXml("node", node);
  Node again;
  FUZZ_CHECK(FuzzInput::LoadXml(saved, "node", again));
  FUZZ_CHECK(FuzzInput::SaveXml("node", again) == saved);
  return 0;
}
