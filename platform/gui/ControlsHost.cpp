#include "platform/gui/ControlsHost.h"

#include <wx/app.h>

namespace Platform {

ControlsHost::ControlsHost(wxWindow* parent, const wxPoint& pos, const wxSize& size, long style)
    : InheritedFont<wxWindow>(parent, wxID_ANY, pos, size, style) {}

void ControlsHost::AddChild(wxWindowBase* child) {
  if (child == nullptr) return;
  GetChildren().Append(static_cast<wxWindow*>(child));
  child->SetParent(this);
  // What the framework's own AddChild does besides.
  if (IsFrozen() && !child->IsTopLevel()) child->Freeze();
  m_dirtyTabOrder = true;
  wxTheApp->WakeUpIdle();
}

}  // namespace Platform
