#include "platform/gui/InheritedFont.h"

namespace Platform {

bool ShowsParentStyle(const wxWindow& control) {
  const wxWindow* parent = control.GetParent();
  return parent != nullptr && !control.UseForegroundColour() && !control.UseBackgroundColour() &&
         control.GetFont().IsOk() && control.GetFont() == parent->GetFont();
}

}  // namespace Platform
