#include "tests/views/dialogs/LabelFit.h"

#include <gtk/gtk.h>
#include <wx/window.h>

#include <algorithm>

#include "platform/gui/CommandIds.h"

namespace TestSupport {
namespace {

struct Walk {
  GtkWidget* control;
  int id;
  std::vector<std::wstring>* cut;
};

std::wstring Describe(int id, const char* text, const char* why) {
  int systemId = id;
  try {
    systemId = Platform::FromWxId(id);
  } catch (const Platform::UnmappedId&) {
  }
  return L"control " + std::to_wstring(systemId) + L" \"" + wxString::FromUTF8(text).ToStdWstring() + L"\": " +
         wxString::FromUTF8(why).ToStdWstring();
}

void CheckLabel(GtkWidget* widget, const Walk& walk) {
  if (!gtk_widget_get_mapped(widget)) return;
  const char* text = gtk_label_get_text(GTK_LABEL(widget));
  if (text == nullptr || *text == '\0') return;
  PangoLayout* layout = gtk_label_get_layout(GTK_LABEL(widget));
  if (pango_layout_is_ellipsized(layout)) walk.cut->push_back(Describe(walk.id, text, "ellipsized"));
  PangoRectangle logical{};
  pango_layout_get_pixel_extents(layout, nullptr, &logical);
  const int width = gtk_widget_get_allocated_width(widget);
  if (logical.width > width)
    walk.cut->push_back(Describe(walk.id, text, "wider than its room") + L" (" + std::to_wstring(logical.width) +
                        L" > " + std::to_wstring(width) + L" pixels)");
  int x = 0, y = 0;
  if (widget != walk.control && gtk_widget_translate_coordinates(widget, walk.control, 0, 0, &x, &y)) {
    if (x < 0 || x + std::min(width, logical.width) > gtk_widget_get_allocated_width(walk.control))
      walk.cut->push_back(Describe(walk.id, text, "reaches out of its control"));
  }
}

void Visit(GtkWidget* widget, gpointer data) {
  const Walk& walk = *static_cast<Walk*>(data);
  if (GTK_IS_LABEL(widget)) CheckLabel(widget, walk);
  if (GTK_IS_CONTAINER(widget)) gtk_container_forall(GTK_CONTAINER(widget), Visit, data);
}

}  // namespace

std::vector<std::wstring> CutTexts(wxWindow& window) {
  std::vector<std::wstring> cut;
  for (wxWindow* child : window.GetChildren()) {
    if (!child->IsShown()) continue;
    GtkWidget* control = child->GetHandle();
    if (control == nullptr) continue;
    Walk walk{control, child->GetId(), &cut};
    Visit(control, &walk);
  }
  return cut;
}

}  // namespace TestSupport
