// Any file as an instrument's recording file (the first byte picks the
// instrument type, the second which parameters are plotted): the in-place
// reader keeps exactly what formatted input per line keeps, and its data hold
// their promises.
#include <cstdint>
#include <sstream>

#include "foundation/catalogue/InstrTable.h"
#include "tests/support/fuzz/CatalogueOnce.h"
#include "tests/support/fuzz/FuzzCheck.h"
#include "tests/views/graph/FormattedGphReader.h"
#include "views/graph/GphData.h"

using namespace PardeloStravon;

namespace {

// The seeds' records lie in the first week after this.
constexpr long From = 1700000000;
constexpr long To = From + 7 * 86400;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  FuzzInput::LoadShippedTables();
  if (size < 2) return 0;
  const auto& codes = InstrCodes();
  const InstrPars pars = InstrByCode(codes[data[0] % codes.size()]).Pars();
  std::vector<InstrParOptPlt> plt(pars.size());
  for (std::size_t p = 0; p < pars.size(); ++p) plt[p].pltDefOpt_ = (data[1] >> (p % 8)) & 1;
  const std::string file = FuzzInput::Text(data + 2, size - 2);

  std::istringstream fast(file);
  const GphData got = ReadGphData(pars, plt, fast, From, To);
  std::istringstream slow(file);
  const GphData expected = TestSupport::ReadByFormattedInput(pars, plt, slow, From, To);
  FUZZ_CHECK(got.times_ == expected.times_);
  FUZZ_CHECK(got.series_ == expected.series_);
  FUZZ_CHECK(got.labels_ == expected.labels_);

  for (std::size_t i = 0; i < got.times_.size(); ++i) {
    FUZZ_CHECK(got.times_[i] >= 0 && got.times_[i] <= To - From);
    FUZZ_CHECK(i == 0 || got.times_[i - 1] < got.times_[i]);
  }
  for (const std::vector<double>& s : got.series_) FUZZ_CHECK(s.size() == got.times_.size());
  return 0;
}
