#pragma once
// What the pick dialogs offer and how they read the user's answer; no
// window is involved.
#include <optional>
#include <string>
#include <vector>

namespace PardeloStravon {

class InstrNet;

// Addresses the lists offer.
constexpr int FirstPickAddress = 1;
constexpr int LastPickAddress = 254;

// Mode 1: the free addresses in plain decimal. Modes 0 and 2: the present
// ones as three digits, " - " and the instrument's name. Any other mode:
// nothing. In address order.
std::vector<std::wstring> InstrumentEntries(const InstrNet& net, int mode);

// The address a typed or chosen text names: a text of fewer than 4
// characters is the number itself; a longer one is "1" and its first three
// characters, less 1000 ("017 - Room 3" gives 17). None when that is no
// number as a strict conversion reads it (no blanks, an optional sign).
std::optional<int> TextToPickAddress(const std::wstring& text);

// The code when it equals one of the codes exactly, else the empty text.
std::wstring ChosenCode(const std::vector<std::wstring>& codes, const std::wstring& text);

}  // namespace PardeloStravon
