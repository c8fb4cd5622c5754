#pragma once
// The unit types: small value classes that hold exactly the bytes a value
// has on the serial line and in recording files, most significant first, and
// turn them into the number they stand for. Measured quantities are fixed
// point with a resolution of 0.1.
#include <cstddef>
#include <iosfwd>
#include <string>

namespace PardeloStravon {

// The minimum of a measured quantity is also the offset of its encoding.
constexpr double TemperMin = -55;
constexpr double TemperMax = 145;
constexpr double HumidityMin = 0;
constexpr double HumidityMax = 100;
constexpr double PressureMin = 0;
constexpr double PressureMax = 30;
constexpr double EthyleneMin = 0;
constexpr double EthyleneMax = 100;

// A difference spans the whole distance between the bounds, either way.
constexpr double TemperDiffMin = TemperMin - TemperMax;
constexpr double TemperDiffMax = -TemperDiffMin;
constexpr double HumidityDiffMin = HumidityMin - HumidityMax;
constexpr double HumidityDiffMax = -HumidityDiffMin;
constexpr double PressureDiffMin = PressureMin - PressureMax;
constexpr double PressureDiffMax = -PressureDiffMin;
constexpr double EthyleneDiffMin = EthyleneMin - EthyleneMax;
constexpr double EthyleneDiffMax = -EthyleneDiffMin;

// Counts of tenths on the wire; decoded numbers are brought to a thousandth.
constexpr double QuantityFactor = 10;
constexpr double QuantityStep = 0.001;

// The coldest temperature a Temper holds: the two's complement count below
// -55 reaches down to here, and nothing colder is physical.
constexpr double TemperColdest = -273.2;

// The type codes of the parameter table; they compare exactly, case included.
extern const std::wstring TypeCodeTemper;        // "Tper"
extern const std::wstring TypeCodeTemperDiff;    // "TperD"
extern const std::wstring TypeCodeHumidity;      // "Hmty"
extern const std::wstring TypeCodeHumidityDiff;  // "HmtyD"
extern const std::wstring TypeCodePressure;      // "Prsr"
extern const std::wstring TypeCodePressureDiff;  // "PrsrD"
extern const std::wstring TypeCodeEthylene;      // "Ethyl"
extern const std::wstring TypeCodeEthyleneDiff;  // "EthylD"
extern const std::wstring TypeCodeDelay3;        // "Del3"
extern const std::wstring TypeCodeDy3;           // "Dy3"
extern const std::wstring TypeCodeCharOne;       // "UChr"
extern const std::wstring TypeCodeBit;           // "Bit", a bool

// step x floor(x / step + 0.5).
double RoundToStep(double x, double step);

// The stored bytes of a unit, in wire order; all zero when default-built.
template <std::size_t N>
class UnitBytes {
 public:
  static constexpr std::size_t StoredBytes = N;
  const unsigned char* Bytes() const { return b_; }
  unsigned char* Bytes() { return b_; }

 protected:
  UnitBytes() = default;

  unsigned char b_[N] = {};
};

// Two bytes, most significant first.
class Unit2 : public UnitBytes<2> {
 protected:
  Unit2() = default;
  // A whole count, taken modulo 65536 (a negative one as its two's
  // complement); a count that is no finite number stores 0.
  void StoreCount(double n);
  unsigned Word() const;
  int SignedWord() const;
};

// Offset fixed point: tenths above -55. The words from 63354 up hold the
// two's complement of a count below -55, down to TemperColdest.
class Temper : public Unit2 {
 public:
  Temper() = default;
  explicit Temper(double t);
  double Value() const;
};

// Unsigned count of tenths above the quantity's minimum, which is 0 for each
// of them. Nothing below the minimum is stored: such a value becomes 0.
class UnsignedTenths : public Unit2 {
 public:
  double Value() const;

 protected:
  UnsignedTenths() = default;
  explicit UnsignedTenths(double v);

  friend std::wistream& operator>>(std::wistream& is, UnsignedTenths& v);
};

class Humidity : public UnsignedTenths {
 public:
  Humidity() = default;
  explicit Humidity(double v) : UnsignedTenths(v) {}
};

class Pressure : public UnsignedTenths {
 public:
  Pressure() = default;
  explicit Pressure(double v) : UnsignedTenths(v) {}
};

class Ethylene : public UnsignedTenths {
 public:
  Ethylene() = default;
  explicit Ethylene(double v) : UnsignedTenths(v) {}
};

// Signed 16-bit count of tenths.
class SignedTenths : public Unit2 {
 public:
  double Value() const;

 protected:
  SignedTenths() = default;
  explicit SignedTenths(double d);

  friend std::wistream& operator>>(std::wistream& is, SignedTenths& d);
};

class TemperDiff : public SignedTenths {
 public:
  TemperDiff() = default;
  explicit TemperDiff(double d) : SignedTenths(d) {}
};

class HumidityDiff : public SignedTenths {
 public:
  HumidityDiff() = default;
  explicit HumidityDiff(double d) : SignedTenths(d) {}
};

class PressureDiff : public SignedTenths {
 public:
  PressureDiff() = default;
  explicit PressureDiff(double d) : SignedTenths(d) {}
};

class EthyleneDiff : public SignedTenths {
 public:
  EthyleneDiff() = default;
  explicit EthyleneDiff(double d) : SignedTenths(d) {}
};

// Unsigned 24-bit integer; an int outside 0 to 16777215 keeps its low 24
// bits (two's complement), as CharOne keeps its low 8.
class Count3 : public UnitBytes<3> {
 public:
  int Value() const;

 protected:
  Count3() = default;
  explicit Count3(int n);

  friend std::wistream& operator>>(std::wistream& is, Count3& n);
};

// A duration in seconds.
class Delay3 : public Count3 {
 public:
  Delay3() = default;
  explicit Delay3(int n) : Count3(n) {}
};

// A number shown as a plain integer.
class Dy3 : public Count3 {
 public:
  Dy3() = default;
  explicit Dy3(int n) : Count3(n) {}
};

// One unsigned byte.
class CharOne : public UnitBytes<1> {
 public:
  CharOne() = default;
  explicit CharOne(unsigned char b) { b_[0] = b; }
  unsigned Value() const { return b_[0]; }
};

// Text of a unit: the measured quantities as a double with the stream's
// formatting, the others as a decimal integer; always in the classic locale.
std::wostream& operator<<(std::wostream& os, const Temper& t);
std::wostream& operator<<(std::wostream& os, const UnsignedTenths& v);
std::wostream& operator<<(std::wostream& os, const SignedTenths& d);
std::wostream& operator<<(std::wostream& os, const Count3& n);
std::wostream& operator<<(std::wostream& os, const CharOne& c);

// Reading a unit: a double (the measured quantities) or an int (the others)
// with the stream's ordinary extraction, then encoded; a CharOne keeps the
// low 8 bits of its int. A text that is no number leaves the unit as it was
// and the stream failed.
std::wistream& operator>>(std::wistream& is, Temper& t);
std::wistream& operator>>(std::wistream& is, UnsignedTenths& v);
std::wistream& operator>>(std::wistream& is, SignedTenths& d);
std::wistream& operator>>(std::wistream& is, Count3& n);
std::wistream& operator>>(std::wistream& is, CharOne& c);

// A bool has no class of its own: its text is "1" or "0" only.
std::wostream& PrintBit(std::wostream& os, bool b);
std::wistream& ReadBit(std::wistream& is, bool& b);

}  // namespace PardeloStravon
