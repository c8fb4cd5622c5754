#pragma once
// The exchange of a duration field that refuses a typo: shown as
// DDX_Duration shows it, read as TextToDuration reads it, but a text that is
// no duration stops the exchange with a prompt naming the forms taken.
#include <string>

namespace PardeloStravon {

class DataExchange;

void DDX_DurationStrict(DataExchange* pDX, int id, long& seconds, bool dhms);

// "Please enter a duration: ..." with the forms taken.
const std::wstring& DurationPrompt();

}  // namespace PardeloStravon
