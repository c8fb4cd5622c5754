#include "platform/gui/ControlsHost.h"

#include <gtk/gtk.h>
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

ControlsHost::Detached::Detached(ControlsHost& host) {
  GtkWidget* inner = host.m_wxwindow;
  if (inner == nullptr || inner == host.m_widget || gtk_widget_get_realized(inner)) return;
  GtkWidget* container = gtk_widget_get_parent(inner);
  if (container == nullptr) return;
  inner_ = GTK_WIDGET(g_object_ref(inner));
  container_ = container;
  gtk_container_remove(GTK_CONTAINER(container_), inner_);
}

ControlsHost::Detached::~Detached() {
  if (inner_ == nullptr) return;
  gtk_container_add(GTK_CONTAINER(container_), inner_);
  g_object_unref(inner_);
}

}  // namespace Platform
