#include "tools/simulator/MovingReadings.h"

#include <cmath>
#include <numbers>
#include <sstream>

#include "foundation/values/ValueText.h"

namespace Simulator {

namespace {

// The value of the range's own type nearest to `target` that its text form
// holds exactly: a tenth for the measured quantities, else a whole number.
// A type that holds neither keeps the value as it was.
void TakeValueNear(const PardeloStravon::RTTRange& range, double target, boost::any& value) {
  for (int decimals : {1, 0}) {
    std::wostringstream text;
    text.setf(std::ios::fixed);
    text.precision(decimals);
    text << target;
    if (PardeloStravon::TextToWholeValue(range, text.str(), value)) return;
  }
}

}  // namespace

bool Moves(const PardeloStravon::InstrParPure& par) {
  // An alarm code on a wave would raise alarms the tables do not know, and
  // a clock or an address is no measurement.
  return par.ParIsRead() && !par.ParIsPad() && !par.ParIsAl() && !par.ParIsRTC() &&
         !par.ParIsMaNetAdd() && !par.ParIsSlNetAdd();
}

PardeloStravon::InstrParValues MovingValues(const PardeloStravon::InstrPars& pars, double seconds) {
  PardeloStravon::InstrParValues values;
  values.reserve(pars.size());
  for (std::size_t i = 0; i < pars.size(); ++i) {
    const PardeloStravon::InstrParPure& par = *pars[i];
    boost::any value = par.ParDft();
    const PardeloStravon::RTTRange* range = par.ParRange();
    if (Moves(par) && range && range->BitCount() == 0) {
      try {
        const double lo = range->ToDouble(range->Min());
        const double hi = range->ToDouble(range->Max());
        // Periods of ten minutes and more, each parameter out of step with
        // the others.
        const double period = 600.0 + 37.0 * static_cast<double>(i);
        const double phase = 2 * std::numbers::pi * (seconds / period + 0.13 * static_cast<double>(i));
        const double target = lo + (hi - lo) * (0.25 + 0.15 * std::sin(phase));
        if (hi > lo) TakeValueNear(*range, target, value);
      } catch (const boost::bad_any_cast&) {
        // a unit without numbers keeps its default
      }
    }
    values.push_back(value);
  }
  return values;
}

}  // namespace Simulator
