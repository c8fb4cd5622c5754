#pragma once
// The recorded history of one instrument over a time window, read back from
// its recording file for a graph: the record times and one series per
// plotted parameter, with their labels. Needs no window; reads, never writes,
// reports nothing.
#include <cstddef>
#include <ctime>
#include <istream>
#include <string>
#include <vector>

#include "foundation/catalogue/InstrParPure.h"
#include "foundation/values/VUC.h"
#include "network/nodes/InstrParOpt.h"

namespace PardeloStravon {

class Node;

struct GphData {
  GphData() = default;
  // Reads MasterLogPath(folder, address); a file that cannot be opened gives
  // empty data (the labels and empty series are there all the same).
  GphData(Node& node, int address, std::time_t from, std::time_t to, const std::wstring& folder);

  // One entry per kept record: its time minus the window's start, strictly
  // increasing.
  std::vector<long> times_;
  // One vector per plotted readable parameter, in list order, each as long
  // as times_.
  std::vector<std::vector<double>> series_;
  // The plot label (pltTextOpt_) of each series.
  std::vector<std::wstring> labels_;
};

// The readings records of the stream that fall into [from, to], for the
// node's instrument type and plot options. Lines are read up to the first
// record after to.
GphData ReadGphData(Node& node, std::istream& in, std::time_t from, std::time_t to);
// The same for a parameter list and one plot option per parameter; options
// missing for a parameter throw std::out_of_range before anything is read.
GphData ReadGphData(const InstrPars& pars, const std::vector<InstrParOptPlt>& plt,
                    std::istream& in, std::time_t from, std::time_t to);

// Fills every byte of the frame from two hex digits each; white space may
// stand before either digit. The stream fails at a missing byte or at a
// character that is no upper-case hex digit; what follows the last byte is
// not read.
std::istream& ReadHexRow(VUC& frame, std::istream& in);
std::istream& ReadHexByte(std::istream& in, unsigned char& out);

// 0 to 15 for '0' to '9' and 'A' to 'F'; -1 for any other character
// (lower-case letters included: the recording files never write them).
int HexDigit(char c);

// The same rules on characters in memory, for the reader's in-place
// parsing: p moves past what was read; false where the stream would fail.
bool ReadHexByte(const char*& p, const char* end, unsigned char& out);
bool ReadHexRow(VUC& frame, const char*& p, const char* end);

}  // namespace PardeloStravon
