#include "foundation/catalogue/Frames.h"

#include <boost/lexical_cast.hpp>
#include <boost/numeric/conversion/cast.hpp>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <type_traits>

#include "foundation/values/ValueText.h"
#include "foundation/values/ValueTypes.h"

namespace PardeloStravon {

namespace {

unsigned BitAreaBytes(unsigned bits) { return (bits + 7) / 8; }

bool BitAt(const VUC& bytes, unsigned offset, unsigned n) {
  return (bytes.at(offset + n / 8) & (1u << (n % 8))) != 0;
}

template <typename Flag>
InstrPars Select(const InstrPars& pars, Flag flag) {
  InstrPars out;
  for (const InstrParPure* p : pars)
    if ((p->*flag)()) out.push_back(p);
  return out;
}

template <typename Flag>
InstrParValues SelectValues(const InstrPars& pars, const InstrParValues& values, Flag flag) {
  InstrParValues out;
  for (std::size_t j = 0; j < pars.size(); ++j)
    if ((pars[j]->*flag)()) out.push_back(values.at(j));
  return out;
}

// The bytes of one parameter laid out as its type's Decode takes them: its
// byteSize bytes from byteOffset, then its bitCount bits from bit 0, taken
// from the bit area at bitArea from bit firstBit on. The frame holds them all
// (its length checked) and out has room for them.
void GatherPar(const unsigned char* frame, unsigned byteOffset, unsigned byteSize,
               unsigned bitArea, unsigned firstBit, unsigned bitCount, unsigned char* out) {
  for (unsigned k = 0; k < byteSize; ++k) out[k] = frame[byteOffset + k];
  for (unsigned k = byteSize; k < byteSize + BitAreaBytes(bitCount); ++k) out[k] = 0;
  for (unsigned k = 0; k < bitCount; ++k) {
    const unsigned n = firstBit + k;
    if ((frame[bitArea + n / 8] & (1u << (n % 8))) != 0)
      out[byteSize + k / 8] |= static_cast<unsigned char>(1u << (k % 8));
  }
}

// A unit type's number straight from the bytes its Decode takes, as its range
// object's ToDouble gives it for the decoded value, without a boost::any in
// between: for readers of many frames.
template <typename T>
double UnitNumber(const unsigned char* bytes) {
  if constexpr (std::is_same_v<T, bool>) {
    // A bool is true for any byte but 0.
    return bytes[0] != 0 ? 1.0 : 0.0;
  } else {
    T unit;
    std::copy(bytes, bytes + T::StoredBytes, unit.Bytes());
    return static_cast<double>(unit.Value());
  }
}

// RTTRXML is final: its ToDouble is its unit's number.
template <typename Unit, typename... Others>
FrameParDecoder::UnitNumber UnitNumberAmong(const RTTRange& type) {
  if (dynamic_cast<const RTTRXML<Unit>*>(&type) != nullptr) return &UnitNumber<Unit>;
  if constexpr (sizeof...(Others) > 0)
    return UnitNumberAmong<Others...>(type);
  else
    return nullptr;
}

// Null for a type that is none of the range objects of the unit types.
FrameParDecoder::UnitNumber UnitNumberOf(const RTTRange& type) {
  return UnitNumberAmong<Temper, Humidity, Pressure, Ethylene, TemperDiff, HumidityDiff,
                         PressureDiff, EthyleneDiff, bool, CharOne, Delay3, Dy3>(type);
}

void CheckFrameLength(const VUC& frame, unsigned length) {
  if (frame.size() != length) throw std::range_error("In QZ::FromVUC(InstrPars& iP,const VUC& v)");
}

}  // namespace

unsigned ParsByteSize(const InstrPars& pars) {
  unsigned n = 0;
  for (const InstrParPure* p : pars) n += p->ParRange()->ByteSize();
  return n;
}

unsigned ParsBitCount(const InstrPars& pars) {
  unsigned n = 0;
  for (const InstrParPure* p : pars) n += p->ParRange()->BitCount();
  return n;
}

unsigned FrameLength(const InstrPars& pars) {
  return ParsByteSize(pars) + BitAreaBytes(ParsBitCount(pars));
}

void SetBit(VUC& bits, unsigned n, bool value) {
  if (bits.size() < n / 8 + 1) bits.push_back(0);
  if (value) bits.at(n / 8) |= static_cast<unsigned char>(1u << (n % 8));
}

InstrParValues DefaultValues(const InstrPars& pars) {
  InstrParValues values;
  values.reserve(pars.size());
  for (const InstrParPure* p : pars) values.push_back(p->ParRange()->DefaultValue());
  return values;
}

VUC ToVUC(const InstrPars& pars, const InstrParValues& values) {
  VUC frame;
  VUC bits;
  unsigned i = 0;
  for (std::size_t j = 0; j < pars.size(); ++j) {
    const RTTRange& type = *pars[j]->ParRange();
    const VUC e = type.Encode(values.at(j));
    const unsigned byteSize = type.ByteSize();
    frame.insert(frame.end(), e.begin(), e.begin() + byteSize);
    for (unsigned k = 0; k < type.BitCount(); ++k) SetBit(bits, i++, BitAt(e, byteSize, k));
  }
  frame.insert(frame.end(), bits.begin(), bits.end());
  return frame;
}

void FromVUC(const InstrPars& pars, InstrParValues& values, const VUC& frame) {
  CheckFrameLength(frame, FrameLength(pars));
  const unsigned bitArea = ParsByteSize(pars);
  unsigned o = 0;
  unsigned i = 0;
  VUC scratch;
  for (std::size_t j = 0; j < pars.size(); ++j) {
    const RTTRange& type = *pars[j]->ParRange();
    const unsigned byteSize = type.ByteSize();
    const unsigned bitCount = type.BitCount();
    scratch.resize(byteSize + BitAreaBytes(bitCount));
    GatherPar(frame.data(), o, byteSize, bitArea, i, bitCount, scratch.data());
    o += byteSize;
    i += bitCount;
    type.Decode(scratch, values.at(j));
  }
}

InstrParValues FromVUC(const InstrPars& pars, const VUC& frame) {
  InstrParValues values = DefaultValues(pars);
  FromVUC(pars, values, frame);
  return values;
}

FrameParDecoder::FrameParDecoder(const InstrPars& pars, std::size_t j)
    : type_(pars.at(j)->ParRange()),
      number_(UnitNumberOf(*type_)),
      frameLength_(FrameLength(pars)),
      byteOffset_(0),
      byteSize_(type_->ByteSize()),
      bitArea_(ParsByteSize(pars)),
      firstBit_(0),
      bitCount_(type_->BitCount()),
      scratch_(byteSize_ + BitAreaBytes(bitCount_)),
      value_(type_->DefaultValue()) {
  for (std::size_t k = 0; k < j; ++k) {
    byteOffset_ += pars[k]->ParRange()->ByteSize();
    firstBit_ += pars[k]->ParRange()->BitCount();
  }
}

void FrameParDecoder::Gather(const VUC& frame) {
  CheckFrameLength(frame, frameLength_);
  GatherPar(frame.data(), byteOffset_, byteSize_, bitArea_, firstBit_, bitCount_, scratch_.data());
}

const boost::any& FrameParDecoder::Decode(const VUC& frame) {
  Gather(frame);
  type_->Decode(scratch_, value_);
  return value_;
}

double FrameParDecoder::ToDouble(const VUC& frame) {
  if (number_ == nullptr) return type_->ToDouble(Decode(frame));
  CheckFrameLength(frame, frameLength_);
  // Without bits, the parameter's bytes stand in the frame as its Decode
  // takes them; a lone bit is the one byte GatherPar would make of it.
  if (bitCount_ == 0) return number_(frame.data() + byteOffset_);
  if (byteSize_ == 0 && bitCount_ == 1) {
    const unsigned char bit = (frame[bitArea_ + firstBit_ / 8] >> (firstBit_ % 8)) & 1u;
    return number_(&bit);
  }
  Gather(frame);
  return number_(scratch_.data());
}

int AlarmCode(const InstrPars& pars, const InstrParValues& values) {
  for (std::size_t j = 0; j < pars.size(); ++j) {
    if (!pars[j]->ParIsAl()) continue;
    const int code = boost::numeric_cast<int>(pars[j]->ParRange()->ToDouble(values.at(j)));
    if (code != 0) return code;
  }
  return 0;
}

InstrPars ReadablePars(const InstrPars& pars) { return Select(pars, &InstrParPure::ParIsRead); }
InstrPars SettablePars(const InstrPars& pars) { return Select(pars, &InstrParPure::ParIsSet); }

InstrParValues ReadableValues(const InstrPars& pars, const InstrParValues& values) {
  return SelectValues(pars, values, &InstrParPure::ParIsRead);
}

InstrParValues SettableValues(const InstrPars& pars, const InstrParValues& values) {
  return SelectValues(pars, values, &InstrParPure::ParIsSet);
}

int SetNetAddress(const InstrPars& pars, InstrParValues& values, int address) {
  const std::wstring text = boost::lexical_cast<std::wstring>(address);
  int n = 0;
  for (std::size_t j = 0; j < pars.size(); ++j) {
    if (!pars[j]->ParIsMaNetAdd()) continue;
    TextToValue(*pars[j]->ParRange(), text, values.at(j));
    ++n;
  }
  return n;
}

}  // namespace PardeloStravon
