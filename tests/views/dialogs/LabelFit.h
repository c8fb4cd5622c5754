#pragma once
// Whether a window shows every text of its controls whole, as the toolkit
// laid them out: no label ellipsized, none wider than the room it was given,
// none reaching out of its control.
#include <string>
#include <vector>

class wxWindow;

namespace TestSupport {

// The texts shown cut, each with its control's id; empty when all are whole.
std::vector<std::wstring> CutTexts(wxWindow& window);

}  // namespace TestSupport
