#pragma once
// The run-time value types: one interface over every unit type, chosen once
// per parameter from its type code, through which each parameter value (a
// boost::any holding the parameter's unit type) is made, sized, encoded,
// decoded, printed, read and turned into a number. A range object adds the
// parameter's minimum, maximum and default.
#include <algorithm>
#include <concepts>
#include <istream>
#include <ostream>
#include <type_traits>

#include <boost/any.hpp>

#include "foundation/values/UnitTypes.h"
#include "foundation/values/VUC.h"

namespace PardeloStravon {

// Each operation but DefaultValue, ByteSize and BitCount throws
// boost::bad_any_cast, changing nothing, when the value does not hold the
// type's unit.
class RTTypePure {
 public:
  virtual ~RTTypePure() = default;
  // Every stored byte zero: a Temper of -55, other units 0, a bool false.
  virtual boost::any DefaultValue() const = 0;
  // Bytes in the byte area of a frame.
  virtual unsigned ByteSize() const = 0;
  // Bits in the bit area of a frame.
  virtual unsigned BitCount() const = 0;
  // ByteSize bytes, then (BitCount + 7) / 8 bytes holding the bits from bit 0.
  virtual VUC Encode(const boost::any& value) const = 0;
  // Takes bytes laid out as Encode gives them; the wrong number of bytes
  // throws std::range_error "In UVector2Struct".
  virtual void Decode(const VUC& bytes, boost::any& value) const = 0;
  virtual std::wostream& Print(std::wostream& os, const boost::any& value) const = 0;
  // A text that is no value leaves the value as it was and fails the stream.
  virtual std::wistream& Read(std::wistream& is, boost::any& value) const = 0;
  virtual double ToDouble(const boost::any& value) const = 0;
};

class RTTRange : public RTTypePure {
 public:
  virtual boost::any Min() const = 0;
  virtual boost::any Max() const = 0;
  virtual boost::any Dft() const = 0;
};

// The units whose stored bytes are an object of their own.
template <typename T>
concept WireUnit = requires(const T& t) {
  { T::StoredBytes } -> std::convertible_to<std::size_t>;
  { t.Bytes() } -> std::same_as<const unsigned char*>;
};

// A new vector holding the stored bytes of a unit; a bool gives one byte, 0 or 1.
template <WireUnit T>
VUC Struct2UVector(const T& unit) {
  return VUC(unit.Bytes(), unit.Bytes() + T::StoredBytes);
}
VUC Struct2UVector(bool b);

// Copies the bytes into the unit when there are exactly as many as it
// stores; otherwise throws std::range_error "In UVector2Struct" and leaves
// the unit as it was. A bool is true for any byte but 0.
namespace Detail {
void CheckStoredSize(const VUC& bytes, std::size_t storedBytes);
}
template <WireUnit T>
void UVector2Struct(const VUC& bytes, T& unit) {
  Detail::CheckStoredSize(bytes, T::StoredBytes);
  std::copy(bytes.begin(), bytes.end(), unit.Bytes());
}
void UVector2Struct(const VUC& bytes, bool& b);

// The stateless operations for unit type T.
template <typename T>
class RTP final : public RTTypePure {
 public:
  boost::any DefaultValue() const override { return T(); }
  unsigned ByteSize() const override {
    if constexpr (IsBit)
      return 0;
    else
      return static_cast<unsigned>(T::StoredBytes);
  }
  unsigned BitCount() const override { return IsBit ? 1 : 0; }
  VUC Encode(const boost::any& value) const override {
    return Struct2UVector(boost::any_cast<const T&>(value));
  }
  void Decode(const VUC& bytes, boost::any& value) const override {
    UVector2Struct(bytes, boost::any_cast<T&>(value));
  }
  std::wostream& Print(std::wostream& os, const boost::any& value) const override {
    const T& t = boost::any_cast<const T&>(value);
    if constexpr (IsBit)
      return PrintBit(os, t);
    else
      return os << t;
  }
  std::wistream& Read(std::wistream& is, boost::any& value) const override {
    T& t = boost::any_cast<T&>(value);
    if constexpr (IsBit)
      return ReadBit(is, t);
    else
      return is >> t;
  }
  double ToDouble(const boost::any& value) const override {
    const T& t = boost::any_cast<const T&>(value);
    if constexpr (IsBit)
      return t ? 1.0 : 0.0;
    else
      return static_cast<double>(t.Value());
  }

 private:
  static constexpr bool IsBit = std::is_same_v<T, bool>;
  static_assert(IsBit || WireUnit<T>, "a value type needs a unit type");
};

// The range object of one parameter: its bounds and default, stored as T
// (so in their encoded bytes), and the operations of RTP<T>.
template <typename T>
class RTTRXML final : public RTTRange {
 public:
  RTTRXML(const T& min, const T& max, const T& dft) : min_(min), max_(max), dft_(dft) {}

  boost::any DefaultValue() const override { return rtp_.DefaultValue(); }
  unsigned ByteSize() const override { return rtp_.ByteSize(); }
  unsigned BitCount() const override { return rtp_.BitCount(); }
  VUC Encode(const boost::any& value) const override { return rtp_.Encode(value); }
  void Decode(const VUC& bytes, boost::any& value) const override { rtp_.Decode(bytes, value); }
  std::wostream& Print(std::wostream& os, const boost::any& value) const override {
    return rtp_.Print(os, value);
  }
  std::wistream& Read(std::wistream& is, boost::any& value) const override {
    return rtp_.Read(is, value);
  }
  double ToDouble(const boost::any& value) const override { return rtp_.ToDouble(value); }

  boost::any Min() const override { return min_; }
  boost::any Max() const override { return max_; }
  boost::any Dft() const override { return dft_; }

 private:
  T min_;
  T max_;
  T dft_;
  RTP<T> rtp_;
};

// True for a range object of Delay3 values: the one type shown as a duration.
// A run-time class test; a bare RTP<Delay3> is no such range.
bool IsDelay3Range(const RTTypePure& type);

}  // namespace PardeloStravon
