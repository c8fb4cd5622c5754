#pragma once
// The exchange of a duration field that refuses what it cannot hold: shown
// as DDX_Duration shows it, read as TextToDuration reads it, but a text that
// is no duration, or a duration outside the field's range, stops the
// exchange with a prompt; nothing is changed then.
#include <string>

namespace PardeloStravon {

class DataExchange;

// The range a duration field holds and its name in the prompt.
struct DurationField {
  long min;
  long max;
  std::wstring name;
};

void DDX_DurationStrict(DataExchange* pDX, int id, long& seconds, bool dhms, const DurationField& field);

// The prompt for a text that is no duration, with the forms taken.
std::wstring DurationPrompt();
// The prompt for a duration outside the field's range: its bounds in the
// field's form and its name.
std::wstring DurationRangePrompt(const DurationField& field, bool dhms);

}  // namespace PardeloStravon
