// newRTTRange: the range object of a parameter row, picked by its type code.
#include <cmath>
#include <optional>
#include <stdexcept>

#include "foundation/catalogue/ParamTable.h"
#include "foundation/core/TextConv.h"
#include "foundation/values/UnitTypes.h"
#include "foundation/values/ValueTypes.h"

namespace PardeloStravon {

namespace {

// A table number as a value of the unit type, or nothing when the type
// cannot hold it: a bound that silently wrapped (300 as 44 in a byte) would
// let the settings form accept values the instrument never meant.

// Measured quantities: tenths, so the stored value lies within half a tenth.
template <typename T>
std::optional<T> FromTable(double x) {
  if (!std::isfinite(x) || std::fabs(x) > 1e6) return std::nullopt;
  const T t(x);
  if (std::fabs(t.Value() - x) > 0.05 + 1e-9) return std::nullopt;
  return t;
}

// Whole numbers are truncated toward zero, as the table has always been read.
std::optional<double> Whole(double x, double max) {
  if (!std::isfinite(x)) return std::nullopt;
  const double n = std::trunc(x);
  if (n < 0 || n > max) return std::nullopt;
  return n;
}

template <>
std::optional<Delay3> FromTable<Delay3>(double x) {
  const auto n = Whole(x, 16777215);
  return n ? std::optional<Delay3>(Delay3(static_cast<int>(*n))) : std::nullopt;
}

template <>
std::optional<Dy3> FromTable<Dy3>(double x) {
  const auto n = Whole(x, 16777215);
  return n ? std::optional<Dy3>(Dy3(static_cast<int>(*n))) : std::nullopt;
}

template <>
std::optional<CharOne> FromTable<CharOne>(double x) {
  const auto n = Whole(x, 255);
  return n ? std::optional<CharOne>(CharOne(static_cast<unsigned char>(*n))) : std::nullopt;
}

template <>
std::optional<bool> FromTable<bool>(double x) {
  if (x == 0) return false;
  if (x == 1) return true;
  return std::nullopt;
}

template <typename T>
T Bound(const ParRec& r, const wchar_t* field, const std::optional<double>& given, double absent) {
  if (const auto t = FromTable<T>(given.value_or(absent))) return *t;
  throw std::range_error(ToUtf8(L"In QZ::newRTTRange(parPos pos): " + std::wstring(field) + L" " +
                                ToWStr(given.value_or(absent)) + L" of parameter '" + r.parId +
                                L"' does not fit its type " + r.parTy));
}

template <typename T>
std::unique_ptr<RTTRange> Make(const ParRec& r, double min, double max, double dft) {
  return std::make_unique<RTTRXML<T>>(Bound<T>(r, L"parMin", r.parMin, min),
                                      Bound<T>(r, L"parMax", r.parMax, max),
                                      Bound<T>(r, L"parDft", r.parDft, dft));
}

struct TypeRow {
  const std::wstring& code;
  std::unique_ptr<RTTRange> (*make)(const ParRec&);
};

// The type codes in the order they are tried, each with the defaults of a
// row that gives no bounds.
const TypeRow Types[] = {
    {TypeCodeTemper, [](const ParRec& r) { return Make<Temper>(r, TemperMin, TemperMax, TemperMin); }},
    {TypeCodeHumidity,
     [](const ParRec& r) { return Make<Humidity>(r, HumidityMin, HumidityMax, HumidityMin); }},
    {TypeCodePressure,
     [](const ParRec& r) { return Make<Pressure>(r, PressureMin, PressureMax, PressureMin); }},
    {TypeCodeEthylene,
     [](const ParRec& r) { return Make<Ethylene>(r, EthyleneMin, EthyleneMax, EthyleneMin); }},
    {TypeCodeTemperDiff,
     [](const ParRec& r) { return Make<TemperDiff>(r, TemperDiffMin, TemperDiffMax, 0); }},
    {TypeCodeHumidityDiff,
     [](const ParRec& r) { return Make<HumidityDiff>(r, HumidityDiffMin, HumidityDiffMax, 0); }},
    {TypeCodePressureDiff,
     [](const ParRec& r) { return Make<PressureDiff>(r, PressureDiffMin, PressureDiffMax, 0); }},
    {TypeCodeEthyleneDiff,
     [](const ParRec& r) { return Make<EthyleneDiff>(r, EthyleneDiffMin, EthyleneDiffMax, 0); }},
    {TypeCodeBit, [](const ParRec& r) { return Make<bool>(r, 0, 1, 0); }},
    {TypeCodeCharOne, [](const ParRec& r) { return Make<CharOne>(r, 0, 255, 0); }},
    {TypeCodeDelay3, [](const ParRec& r) { return Make<Delay3>(r, 0, 16777215, 0); }},
    {TypeCodeDy3, [](const ParRec& r) { return Make<Dy3>(r, 0, 16777215, 0); }},
};

}  // namespace

std::unique_ptr<RTTRange> newRTTRange(parPos pos) {
  const ParRec& r = ParRecAt(pos);
  for (const TypeRow& type : Types)
    if (r.parTy == type.code) return type.make(r);
  throw std::runtime_error("Wrong type in QZ::newRTTRange(parPos pos)");
}

}  // namespace PardeloStravon
