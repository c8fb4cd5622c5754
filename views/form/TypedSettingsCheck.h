#pragma once
// The check of a setting typed into the settings form before it is sent or
// saved. A row the user changed must hold exactly one value of the
// parameter's type, inside the parameter's range; otherwise the command is
// refused with the row named, rather than sending whatever a lenient parse
// leaves of a typo ("12a" as 12, 300 as 44 in one byte, "1:30" as 1). A row
// still holding the text the form showed (received, recorded or loaded
// values) is read as it always was, also when its value lies outside the
// range: sending back what the instrument holds changes nothing.
#include <boost/any.hpp>
#include <string>

#include "foundation/values/ValueTypes.h"

class wxWindow;

namespace PardeloStravon {

// One settings row as the check sees it.
struct TypedSetting {
  const RTTRange* range = nullptr;  // the parameter's range object
  std::wstring label;               // the row's label
  bool editable = true;             // the user could change the row
  bool asDuration = false;          // durations shown as d h:mm:ss (a Delay3 range only)
};

struct TypedSettingResult {
  bool accepted = false;
  boost::any value;       // accepted: the value to send
  std::wstring message;   // refused: what to tell the user
};

// `shown`: the text the form wrote into the row last; `typed`: its text
// now; `stored`: the value to start from (the node's), which a lenient
// parse of an unchanged row keeps when the text reads as nothing.
TypedSettingResult CheckTypedSetting(const TypedSetting& row, const std::wstring& shown,
                                     const std::wstring& typed, const boost::any& stored);

// The refusal's text: the row's label and the range's ends as the value
// type prints them (durations as d h:mm:ss when shown so).
std::wstring TypedSettingPrompt(const TypedSetting& row);

// Refuses the row as a dialog refuses a field: the modal message box, then
// the focus on the control `controlId` of `form`.
void RefuseTypedSetting(wxWindow* form, int controlId, const std::wstring& message);

}  // namespace PardeloStravon
