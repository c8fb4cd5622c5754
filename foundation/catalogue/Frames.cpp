#include "foundation/catalogue/Frames.h"

#include <boost/lexical_cast.hpp>
#include <boost/numeric/conversion/cast.hpp>

#include <stdexcept>
#include <string>

#include "foundation/values/ValueText.h"

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
// byte-area bytes, then its bits from bit 0.
void GatherPar(const RTTRange& type, const VUC& frame, unsigned byteOffset, unsigned bitArea,
               unsigned firstBit, VUC& scratch) {
  const unsigned byteSize = type.ByteSize();
  const unsigned bitCount = type.BitCount();
  scratch.assign(byteSize + BitAreaBytes(bitCount), 0);
  std::copy(frame.begin() + byteOffset, frame.begin() + byteOffset + byteSize, scratch.begin());
  for (unsigned k = 0; k < bitCount; ++k)
    if (BitAt(frame, bitArea, firstBit + k))
      scratch[byteSize + k / 8] |= static_cast<unsigned char>(1u << (k % 8));
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
    GatherPar(type, frame, o, bitArea, i, scratch);
    o += type.ByteSize();
    i += type.BitCount();
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
      frameLength_(FrameLength(pars)),
      byteOffset_(0),
      bitArea_(ParsByteSize(pars)),
      firstBit_(0),
      value_(type_->DefaultValue()) {
  for (std::size_t k = 0; k < j; ++k) {
    byteOffset_ += pars[k]->ParRange()->ByteSize();
    firstBit_ += pars[k]->ParRange()->BitCount();
  }
}

const boost::any& FrameParDecoder::Decode(const VUC& frame) {
  CheckFrameLength(frame, frameLength_);
  GatherPar(*type_, frame, byteOffset_, bitArea_, firstBit_, scratch_);
  type_->Decode(scratch_, value_);
  return value_;
}

double FrameParDecoder::ToDouble(const VUC& frame) { return type_->ToDouble(Decode(frame)); }

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
