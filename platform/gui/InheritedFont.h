#pragma once
// Controls that show their parent's font without a style sheet of their own.
//
// The framework gives every window whose font was set (or inherited from
// its parent) a style sheet of its own: a sheet parsed for it, and a style
// cascade of its own in which the toolkit styles it apart from the others.
// In a dialog of thousands of controls, making those sheets and styling each
// control through its own cascade took a large part of opening and closing.
// The parent's sheet already gives its font to everything below it through
// the style's inheritance, so a control whose font is its parent's needs no
// sheet.
#include <wx/window.h>

#include <utility>

namespace Platform {

// Whether the control shows its parent's font and no colours of its own:
// then its parent's style gives it what its own sheet would.
bool ShowsParentStyle(const wxWindow& control);

// Control made through Create after construction, so that the framework's
// style calls during creation already reach this class.
template <class Control>
class InheritedFont : public Control {
 public:
  template <class... Args>
  explicit InheritedFont(Args&&... args) {
    this->Create(std::forward<Args>(args)...);
  }

 protected:
  void DoApplyWidgetStyle(GtkRcStyle* style) override {
    if (ShowsParentStyle(*this)) return;
    Control::DoApplyWidgetStyle(style);
  }
};

}  // namespace Platform
