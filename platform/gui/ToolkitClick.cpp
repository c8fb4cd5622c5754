#include "platform/gui/ToolkitClick.h"

#include <gtk/gtk.h>
#include <wx/window.h>

namespace Platform {
namespace {

// A check box with its text on the left is a box holding the button.
GtkButton* FindButton(GtkWidget* widget) {
  if (GTK_IS_BUTTON(widget)) return GTK_BUTTON(widget);
  GtkButton* found = nullptr;
  if (GTK_IS_CONTAINER(widget)) {
    GList* children = gtk_container_get_children(GTK_CONTAINER(widget));
    for (GList* c = children; c != nullptr && found == nullptr; c = c->next) found = FindButton(GTK_WIDGET(c->data));
    g_list_free(children);
  }
  return found;
}

}  // namespace

bool ToolkitClick(wxWindow& control) {
  GtkWidget* widget = control.GetHandle();
  GtkButton* button = widget != nullptr ? FindButton(widget) : nullptr;
  if (button == nullptr) return false;
  gtk_button_clicked(button);
  return true;
}

}  // namespace Platform
