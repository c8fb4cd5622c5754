#pragma once
// Child controls of a dialog found by the system's control identifier, and
// their text and check state whatever kind of control they are.
#include <string>
#include <typeinfo>

class wxWindow;

namespace Platform {

// A control identifier that names no child. Callers catch it as
// std::bad_cast; what() carries the text the caller gave.
class ControlNotFound : public std::bad_cast {
 public:
  explicit ControlNotFound(std::string text) : text_(std::move(text)) {}
  const char* what() const noexcept override { return text_.c_str(); }

 private:
  std::string text_;
};

// Looks among the window's descendants; throws ControlNotFound with
// missingText when none has the identifier (also for a null window or an
// identifier the command table does not cover).
wxWindow& FindControl(wxWindow* parent, int systemId, const std::string& missingText);

// The text a user reads and edits: an edit field's value, a combo box's
// edit text, otherwise the label (buttons, static texts, check boxes).
std::wstring ControlText(const wxWindow& control);
void SetControlText(wxWindow& control, const std::wstring& text);

// 0 unchecked, 1 checked, 2 indeterminate; controls without a check state
// read 0 and ignore a new one.
int CheckState(const wxWindow& control);
void SetCheckState(wxWindow& control, int state);

}  // namespace Platform
