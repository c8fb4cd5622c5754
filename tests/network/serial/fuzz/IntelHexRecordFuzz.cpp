// Any text read from the line: a record either parses into fields that build
// the same record again, or is invalid; nothing else may happen.
#include <cstdint>

#include "network/serial/IntelHex.h"
#include "tests/support/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  const std::string text = FuzzInput::Text(data, size);
  const IntelHex::Record parsed = IntelHex::ParseRecord(text);
  IntelHex::RecordChecksum(text, 0);
  if (!parsed.IsValid())
    return 0;
  FUZZ_CHECK(parsed.Count() >= 0 && parsed.Count() <= IntelHex::MaxDataBytes);
  FUZZ_CHECK(static_cast<int>(parsed.Data().size()) == parsed.Count());
  FUZZ_CHECK(parsed.Text().size() == 11u + 2u * parsed.Count());
  // An address whose last data byte lies beyond 0xFFFF reads from the line
  // but cannot be built as a request.
  if (parsed.Address() + parsed.Count() - 1 > 0xFFFF)
    return 0;
  const IntelHex::Record built(parsed.Count(), parsed.Address(), parsed.Type(), parsed.Data());
  FUZZ_CHECK(built.Text() == parsed.Text());
  const IntelHex::Record again = IntelHex::ParseRecord(built.Text());
  FUZZ_CHECK(again.IsValid() && again.Data() == parsed.Data() && again.Type() == parsed.Type());
  return 0;
}
