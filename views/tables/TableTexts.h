#pragma once
// The texts of the tables: the options cells and the short text about a
// document signal that pane 0 of a view's frame shows.
#include <ctime>
#include <string>

#include "network/DocSignal.h"

namespace PardeloStravon {

class InstrNet;

// CTW_on or CTW_off.
std::wstring OnOffText(bool on);
// d h:mm:ss with dhms, else plain seconds.
std::wstring IntervalText(long seconds, bool dhms);
// The print period in days to three decimals, written as a wide stream
// writes a double (604800 gives "7", 129600 "1.5").
std::wstring DaysText(long seconds);
// The local date and time under the plot's date format, on one line.
std::wstring DueText(std::time_t t, const std::wstring& format);

// The token of a signal in one view's table; null where the view shows
// nothing for it.
using SignalTokenTable = const std::wstring* (*)(DocSignal);

// Prefix and the signal's text: for a non-zero address the address, then
// (unless the node was removed) " - " and its name, then ": ". The node is
// looked up for every non-zero address but that of dsRemoveInstr, so a
// missing one throws the network's lookup error. A signal without a token
// gives the prefix alone.
std::wstring SignalStatusText(const InstrNet& net, int address, DocSignal signal, SignalTokenTable tokens);

}  // namespace PardeloStravon
