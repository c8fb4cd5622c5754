#pragma once
// Raw instrument frames. A frame's layout follows from a parameter list: the
// bytes of every parameter in list order, most significant first, then the
// bits of every parameter numbered across the list from bit 0 of the first
// bit-area byte. Pure functions of their arguments, for any thread.
#include <boost/any.hpp>

#include <vector>

#include "foundation/catalogue/InstrParPure.h"
#include "foundation/values/VUC.h"

namespace PardeloStravon {

// One value per parameter of a list, in list order, each holding the
// parameter's unit type. Reached with bounds checks: a shorter vector throws
// std::out_of_range where it falls short, extra entries are ignored.
typedef std::vector<boost::any> InstrParValues;

unsigned ParsByteSize(const InstrPars& pars);
unsigned ParsBitCount(const InstrPars& pars);
// The only length a frame of the list may have.
unsigned FrameLength(const InstrPars& pars);
inline unsigned FrameSize(const InstrPars& pars) { return FrameLength(pars); }

// Bits are set in increasing order: a bit past the area appends one byte.
void SetBit(VUC& bits, unsigned n, bool value);

// Every stored byte zero (a Temper of -55, not the table's default).
InstrParValues DefaultValues(const InstrPars& pars);

VUC ToVUC(const InstrPars& pars, const InstrParValues& values);
// A frame of any length but FrameLength throws std::range_error and changes
// nothing. A value not of its parameter's type throws boost::bad_any_cast,
// the values before it decoded.
void FromVUC(const InstrPars& pars, InstrParValues& values, const VUC& frame);
// The same on the zero values of the list.
InstrParValues FromVUC(const InstrPars& pars, const VUC& frame);

// One parameter of a list decoded alone from the list's frame, by FromVUC's
// layout and to FromVUC's value, for readers that want a few columns of many
// frames. Keeps its own buffers, so one object serves one thread.
class FrameParDecoder {
 public:
  // Parameter j of the list; a j outside the list throws std::out_of_range.
  FrameParDecoder(const InstrPars& pars, std::size_t j);

  // A frame of any length but the list's throws std::range_error as FromVUC
  // does; otherwise decoding cannot fail.
  const boost::any& Decode(const VUC& frame);
  // The decoded value as its range turns it into a number.
  double ToDouble(const VUC& frame);

  // A unit type's number from the parameter's gathered bytes.
  typedef double (*UnitNumber)(const unsigned char* bytes);

 private:
  // The parameter's bytes into scratch_, as its type's Decode takes them.
  void Gather(const VUC& frame);

  const RTTRange* type_;
  UnitNumber number_;  // null: through the type and a boost::any
  unsigned frameLength_;
  unsigned byteOffset_;  // of the parameter's bytes
  unsigned byteSize_;
  unsigned bitArea_;     // where the list's bit area starts
  unsigned firstBit_;    // the parameter's first bit in that area
  unsigned bitCount_;
  VUC scratch_;
  boost::any value_;
};

// The first non-zero value of the alarm parameters, truncated to an int; 0
// when there is none.
int AlarmCode(const InstrPars& pars, const InstrParValues& values);

// The readings frame's and the settings frame's parameters, in list order.
InstrPars ReadablePars(const InstrPars& pars);
InstrPars SettablePars(const InstrPars& pars);
InstrParValues ReadableValues(const InstrPars& pars, const InstrParValues& values);
InstrParValues SettableValues(const InstrPars& pars, const InstrParValues& values);

// Writes the address into every parameter that holds the instrument's own
// address, through that parameter's type (a byte keeps the low 8 bits);
// returns how many there were.
int SetNetAddress(const InstrPars& pars, InstrParValues& values, int address);

}  // namespace PardeloStravon
