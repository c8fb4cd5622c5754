#include "tools/simulator/MovingReadings.h"

#include <cmath>
#include <numbers>
#include <sstream>
#include <typeinfo>

#include "foundation/values/UnitTypes.h"
#include "foundation/values/ValueText.h"

namespace Simulator {

namespace {

using PardeloStravon::RTTRange;

// The value of the range's own type nearest to `target` that its text form
// holds exactly: a tenth for the measured quantities, else a whole number.
// A type that holds neither keeps the value as it was.
void TakeValueNear(const RTTRange& range, double target, boost::any& value) {
  for (int decimals : {1, 0}) {
    std::wostringstream text;
    text.setf(std::ios::fixed);
    text.precision(decimals);
    text << target;
    if (PardeloStravon::TextToWholeValue(range, text.str(), value)) return;
  }
}

bool IsDifference(const std::type_info& type) {
  using namespace PardeloStravon;
  return type == typeid(TemperDiff) || type == typeid(HumidityDiff) || type == typeid(PressureDiff) ||
         type == typeid(EthyleneDiff);
}

// A meter that has counted `count` since its range's minimum, wrapped
// inside the range.
void TakeMeter(const RTTRange& range, double count, boost::any& value) {
  const double lo = range.ToDouble(range.Min());
  const double hi = range.ToDouble(range.Max());
  const double span = std::floor(hi) - std::ceil(lo) + 1;
  if (span < 1) return;
  TakeValueNear(range, std::ceil(lo) + std::fmod(std::floor(count), span), value);
}

}  // namespace

bool Moves(const PardeloStravon::InstrParPure& par) {
  // An alarm code on a wave would raise alarms the tables do not know, and
  // a clock or an address is no measurement.
  return par.ParIsRead() && !par.ParIsPad() && !par.ParIsAl() && !par.ParIsRTC() &&
         !par.ParIsMaNetAdd() && !par.ParIsSlNetAdd();
}

Motion MotionOf(const PardeloStravon::InstrParPure& par) {
  const RTTRange* range = par.ParRange();
  if (!Moves(par) || !range || range->BitCount() != 0) return Motion::none;
  const std::type_info& type = range->DefaultValue().type();
  if (type == typeid(PardeloStravon::Delay3)) return Motion::meter;
  if (type == typeid(PardeloStravon::Dy3)) return Motion::counter;
  if (IsDifference(type)) return Motion::smallPositive;
  return Motion::wave;
}

double CounterInterval(std::size_t index) { return 3600.0 * static_cast<double>(4 + index % 5); }

PardeloStravon::InstrParValues MovingValues(const PardeloStravon::InstrPars& pars, double seconds) {
  PardeloStravon::InstrParValues values;
  values.reserve(pars.size());
  for (std::size_t i = 0; i < pars.size(); ++i) {
    const PardeloStravon::InstrParPure& par = *pars[i];
    boost::any value = par.ParDft();
    const RTTRange* range = par.ParRange();
    const double n = static_cast<double>(i);
    try {
      switch (MotionOf(par)) {
        case Motion::none:
          break;
        case Motion::wave:
        case Motion::smallPositive: {
          double lo = range->ToDouble(range->Min());
          const double hi = range->ToDouble(range->Max());
          if (hi <= lo) break;
          // Periods of ten minutes and more, each parameter out of step
          // with the others.
          const double period = 600.0 + 37.0 * n;
          const double wave = std::sin(2 * std::numbers::pi * (seconds / period + 0.13 * n));
          double share = 0.25 + 0.15 * wave;
          if (MotionOf(par) == Motion::smallPositive) {
            // A drop or a drift: a few per cent of the range above zero.
            lo = std::max(lo, 0.0);
            share = 0.05 + 0.04 * wave;
          }
          TakeValueNear(*range, lo + (hi - lo) * share, value);
          break;
        }
        case Motion::meter:
          // A history of some weeks to some months before the simulation
          // starts, well inside the full range of a three-byte meter.
          TakeMeter(*range, 3600.0 * (500 + 37 * static_cast<double>(i % 50)) + std::max(seconds, 0.0), value);
          break;
        case Motion::counter:
          TakeMeter(*range, 40 + 7 * static_cast<double>(i % 50) + std::floor(std::max(seconds, 0.0) / CounterInterval(i)), value);
          break;
      }
    } catch (const boost::bad_any_cast&) {
      // a unit without numbers keeps its default
    }
    values.push_back(value);
  }
  return values;
}

PardeloStravon::InstrParValues InitialValues(const PardeloStravon::InstrPars& pars, int address) {
  PardeloStravon::InstrParValues values;
  values.reserve(pars.size());
  for (const PardeloStravon::InstrParPure* par : pars) values.push_back(par->ParDft());
  PardeloStravon::SetNetAddress(pars, values, address);
  return values;
}

}  // namespace Simulator
