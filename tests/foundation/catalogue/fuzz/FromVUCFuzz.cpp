// Any frame given to each shipped instrument type: a frame of the type's
// length decodes, each parameter alone to the value of the whole decoding,
// and its values encode to a frame that decodes to the same values; a frame
// of another length is refused and changes nothing.
#include <cstdint>
#include <stdexcept>

#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "tests/support/fuzz/CatalogueOnce.h"
#include "tests/support/fuzz/FuzzCheck.h"

using namespace PardeloStravon;

namespace {

void CheckList(const InstrPars& pars, const uint8_t* data, size_t size)
{
  const unsigned length = FrameLength(pars);
  VUC frame(length);
  for (unsigned i = 0; i < length; ++i) frame[i] = size ? data[i % size] : 0;
  const InstrParValues values = FromVUC(pars, frame);
  FUZZ_CHECK(values.size() == pars.size());
  for (std::size_t j = 0; j < pars.size(); ++j) {
    FrameParDecoder single(pars, j);
    FUZZ_CHECK(single.ToDouble(frame) == pars[j]->ParRange()->ToDouble(values[j]));
  }
  const VUC encoded = ToVUC(pars, values);
  FUZZ_CHECK(encoded.size() == length);
  FUZZ_CHECK(ToVUC(pars, FromVUC(pars, encoded)) == encoded);
  AlarmCode(pars, values);

  if (size == length) return;
  InstrParValues untouched = DefaultValues(pars);
  const VUC before = ToVUC(pars, untouched);
  bool refused = false;
  try {
    FromVUC(pars, untouched, VUC(data, data + size));
  } catch (const std::range_error&) {
    refused = true;
  }
  FUZZ_CHECK(refused);
  FUZZ_CHECK(ToVUC(pars, untouched) == before);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  FuzzInput::LoadShippedTables();
  for (const std::wstring& code : InstrCodes()) {
    const InstrPars pars = InstrByCode(code).Pars();
    CheckList(pars, data, size);
    CheckList(ReadablePars(pars), data, size);
    CheckList(SettablePars(pars), data, size);
  }
  return 0;
}
