// The simulator's moving readings: every measured number stays in its
// parameter's range and goes through the readings frame; the rest keep the
// table's defaults, so no alarm is raised and settings are not disturbed.
#include <gtest/gtest.h>

#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/TextConv.h"
#include "foundation/values/ValueRange.h"
#include "tests/support/TestCatalogue.h"
#include "tools/simulator/MovingReadings.h"

using namespace PardeloStravon;

namespace {

bool SameValue(const InstrParPure& par, const boost::any& a, const boost::any& b) {
  return par.ParRange()->Encode(a) == par.ParRange()->Encode(b);
}

TEST(MovingReadings, EveryTypesReadingsStayInRangeAndMove_TheOtherValuesKeepTheirDefaults) {
  TestSupport::LoadNetworkTestCatalogue();
  for (const std::wstring& code : InstrCodes()) {
    SCOPED_TRACE(ToUtf8(code));
    const InstrPars pars = InstrByCode(code).Pars();
    bool moved = false;
    const InstrParValues first = Simulator::MovingValues(pars, 0);
    for (double seconds : {0.0, 150.0, 299.5, 86400.0 * 365}) {
      const InstrParValues values = Simulator::MovingValues(pars, seconds);
      ASSERT_EQ(values.size(), pars.size());
      for (std::size_t i = 0; i < pars.size(); ++i) {
        const InstrParPure& par = *pars[i];
        if (!Simulator::Moves(par)) {
          EXPECT_TRUE(SameValue(par, values[i], par.ParDft())) << ToUtf8(par.ParID());
        } else {
          EXPECT_TRUE(ValueInRange(*par.ParRange(), values[i])) << ToUtf8(par.ParID()) << " at " << seconds;
        }
        moved = moved || !SameValue(par, values[i], first[i]);
      }
      EXPECT_NO_THROW(ToVUC(ReadablePars(pars), ReadableValues(pars, values)));
    }
    const bool hasReadableNumber = [&] {
      for (const InstrParPure* par : pars)
        if (Simulator::Moves(*par) && par->ParRange()->BitCount() == 0 &&
            !SameValue(*par, par->ParRange()->Min(), par->ParRange()->Max()))
          return true;
      return false;
    }();
    if (hasReadableNumber) {
      EXPECT_TRUE(moved);
    }
  }
}

}  // namespace
