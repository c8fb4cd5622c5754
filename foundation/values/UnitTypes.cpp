#include "foundation/values/UnitTypes.h"

#include <cmath>
#include <istream>
#include <ostream>

#include "foundation/values/ClassicNumbers.h"

namespace PardeloStravon {

const std::wstring TypeCodeTemper = L"Tper";
const std::wstring TypeCodeTemperDiff = L"TperD";
const std::wstring TypeCodeHumidity = L"Hmty";
const std::wstring TypeCodeHumidityDiff = L"HmtyD";
const std::wstring TypeCodePressure = L"Prsr";
const std::wstring TypeCodePressureDiff = L"PrsrD";
const std::wstring TypeCodeEthylene = L"Ethyl";
const std::wstring TypeCodeEthyleneDiff = L"EthylD";
const std::wstring TypeCodeDelay3 = L"Del3";
const std::wstring TypeCodeDy3 = L"Dy3";
const std::wstring TypeCodeCharOne = L"UChr";
const std::wstring TypeCodeBit = L"Bit";

namespace {

// One encoder for every 16-bit quantity; halves go upward at the tenth.
double TenthsCount(double v, double offset) {
  return std::floor((v - offset) * QuantityFactor + 0.5);
}

// The unsigned quantities share one codec because they share their minimum.
constexpr double UnsignedMin = HumidityMin;
static_assert(HumidityMin == 0 && PressureMin == 0 && EthyleneMin == 0);

// 65536 / 10: a word from 63354 up read as a count below -55.
constexpr double TemperWrap = 65536 / QuantityFactor;

// A unit takes what was read only when a number was read.
template <typename Number, typename Store>
std::wistream& ReadThen(std::wistream& is, Store store) {
  Number read{};
  if (ReadClassicNumber(is, read)) store(read);
  return is;
}

static_assert(sizeof(Temper) == 2 && sizeof(Humidity) == 2 && sizeof(TemperDiff) == 2);
static_assert(sizeof(Delay3) == 3 && sizeof(Dy3) == 3 && sizeof(CharOne) == 1);

}  // namespace

double RoundToStep(double x, double step) { return step * std::floor(x / step + 0.5); }

void Unit2::StoreCount(double n) {
  // fmod is exact, so every finite count wraps as its integer would.
  double w = std::isfinite(n) ? std::fmod(n, 65536.0) : 0.0;
  if (w < 0) w += 65536.0;
  const unsigned word = static_cast<unsigned>(w);
  b_[0] = static_cast<unsigned char>(word >> 8);
  b_[1] = static_cast<unsigned char>(word & 0xFF);
}

unsigned Unit2::Word() const { return b_[0] * 256u + b_[1]; }

int Unit2::SignedWord() const { return (b_[0] >= 128 ? b_[0] - 256 : b_[0]) * 256 + b_[1]; }

Temper::Temper(double t) {
  const double coldest = TenthsCount(TemperColdest, TemperMin);
  double n = TenthsCount(t, TemperMin);
  // Below -55 the count is stored as its two's complement, which reads back;
  // nothing colder than TemperColdest exists, so it is held there.
  if (n < coldest) n = coldest;
  StoreCount(n);
}

double Temper::Value() const {
  const double f = RoundToStep(Word() / QuantityFactor + TemperMin, QuantityStep);
  const double h = f - TemperWrap;
  return h >= TemperColdest ? h : f;
}

UnsignedTenths::UnsignedTenths(double v) {
  const double n = TenthsCount(v, UnsignedMin);
  // Below the minimum the word would read as a large quantity: keep 0.
  StoreCount(n < 0 ? 0 : n);
}

double UnsignedTenths::Value() const {
  return RoundToStep(Word() / QuantityFactor + UnsignedMin, QuantityStep);
}

SignedTenths::SignedTenths(double d) { StoreCount(TenthsCount(d, 0)); }

double SignedTenths::Value() const { return RoundToStep(SignedWord() / QuantityFactor, QuantityStep); }

Count3::Count3(int n) {
  const unsigned w = static_cast<unsigned>(n) & 0xFFFFFFu;
  b_[0] = static_cast<unsigned char>(w >> 16);
  b_[1] = static_cast<unsigned char>((w >> 8) & 0xFF);
  b_[2] = static_cast<unsigned char>(w & 0xFF);
}

int Count3::Value() const { return b_[0] * 65536 + b_[1] * 256 + b_[2]; }

std::wostream& operator<<(std::wostream& os, const Temper& t) {
  WriteClassicNumber(os, t.Value());
  return os;
}

std::wostream& operator<<(std::wostream& os, const UnsignedTenths& v) {
  WriteClassicNumber(os, v.Value());
  return os;
}

std::wostream& operator<<(std::wostream& os, const SignedTenths& d) {
  WriteClassicNumber(os, d.Value());
  return os;
}

std::wostream& operator<<(std::wostream& os, const Count3& n) {
  WriteClassicNumber(os, static_cast<long>(n.Value()));
  return os;
}

std::wostream& operator<<(std::wostream& os, const CharOne& c) {
  WriteClassicNumber(os, static_cast<long>(c.Value()));
  return os;
}

std::wistream& operator>>(std::wistream& is, Temper& t) {
  return ReadThen<double>(is, [&](double v) { t = Temper(v); });
}

std::wistream& operator>>(std::wistream& is, UnsignedTenths& v) {
  return ReadThen<double>(is, [&](double read) { v = UnsignedTenths(read); });
}

std::wistream& operator>>(std::wistream& is, SignedTenths& d) {
  return ReadThen<double>(is, [&](double read) { d = SignedTenths(read); });
}

std::wistream& operator>>(std::wistream& is, Count3& n) {
  return ReadThen<int>(is, [&](int read) { n = Count3(read); });
}

std::wistream& operator>>(std::wistream& is, CharOne& c) {
  return ReadThen<int>(is, [&](int read) { c = CharOne(static_cast<unsigned char>(read)); });
}

std::wostream& PrintBit(std::wostream& os, bool b) { return os << (b ? L"1" : L"0"); }

std::wistream& ReadBit(std::wistream& is, bool& b) {
  return ReadThen<bool>(is, [&](bool read) { b = read; });
}

}  // namespace PardeloStravon
