#include "platform/gui/CompactControls.h"

#include <gtk/gtk.h>
#include <wx/window.h>

#include <algorithm>

namespace Platform {
namespace {

constexpr const char* CompactClass = "vantor-compact";
constexpr const char* FramelessClass = "vantor-frameless";

// The theme's minimum heights and paddings go; what is left is the text and
// a thin frame.
constexpr const char* CompactCss =
    "entry.vantor-compact, .vantor-compact entry, spinbutton.vantor-compact {"
    "  min-height: 0; padding-top: 0; padding-bottom: 0; padding-left: 2px; padding-right: 2px; }"
    "button.vantor-compact, .vantor-compact button {"
    "  min-height: 0; min-width: 0; padding: 0 4px; }"
    "checkbutton.vantor-compact, radiobutton.vantor-compact {"
    "  min-height: 0; padding: 0; }"
    "checkbutton.vantor-compact check, radiobutton.vantor-compact radio {"
    "  min-height: 10px; min-width: 10px; margin: 0; padding: 0; }"
    "textview.vantor-compact, .vantor-compact textview { padding: 0; }"
    "scrolledwindow.vantor-compact scrollbar slider { min-height: 8px; min-width: 8px; }"
    // The framework's own rule for a control without a border, on the
    // edit and all its parts; after the rules above, so it wins over them.
    "entry.vantor-frameless, entry.vantor-frameless * { border: none; border-radius: 0; padding: 0; }";

void InstallRuleOnce() {
  static bool installed = false;
  if (installed) return;
  GdkScreen* screen = gdk_screen_get_default();
  if (screen == nullptr) return;
  GtkCssProvider* provider = gtk_css_provider_new();
  gtk_css_provider_load_from_data(provider, CompactCss, -1, nullptr);
  gtk_style_context_add_provider_for_screen(screen, GTK_STYLE_PROVIDER(provider),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(provider);
  installed = true;
}

void MarkTree(GtkWidget* widget) {
  gtk_style_context_add_class(gtk_widget_get_style_context(widget), CompactClass);
  if (GTK_IS_CONTAINER(widget)) {
    GList* children = gtk_container_get_children(GTK_CONTAINER(widget));
    for (GList* c = children; c != nullptr; c = c->next) MarkTree(GTK_WIDGET(c->data));
    g_list_free(children);
  }
}

}  // namespace

void MakeCompact(wxWindow& control) {
  InstallRuleOnce();
  if (GtkWidget* widget = control.GetHandle()) MarkTree(widget);
}

void MakeFrameless(wxWindow& edit) {
  InstallRuleOnce();
  if (GtkWidget* widget = edit.GetHandle())
    gtk_style_context_add_class(gtk_widget_get_style_context(widget), FramelessClass);
}

void LayOutLabel(wxWindow& label, bool centreVertically) {
  GtkWidget* widget = label.GetHandle();
  if (widget == nullptr || !GTK_IS_LABEL(widget)) return;
  gtk_label_set_line_wrap(GTK_LABEL(widget), TRUE);
  gtk_label_set_line_wrap_mode(GTK_LABEL(widget), PANGO_WRAP_WORD_CHAR);
  gtk_label_set_yalign(GTK_LABEL(widget), centreVertically ? 0.5f : 0.0f);
  // No more lines than the height holds, the last one ending in an
  // ellipsis: a line cut through the middle is not readable.
  const int lineHeight = label.GetCharHeight();
  if (lineHeight > 0) {
    gtk_label_set_ellipsize(GTK_LABEL(widget), PANGO_ELLIPSIZE_END);
    gtk_label_set_lines(GTK_LABEL(widget), std::max(1, label.GetSize().y / lineHeight));
  }
}

void PutBoxAtFarEdge(wxWindow& checkBox) {
  GtkWidget* widget = checkBox.GetHandle();
  if (widget == nullptr || !GTK_IS_BOX(widget)) return;
  GList* children = gtk_container_get_children(GTK_CONTAINER(widget));
  for (GList* c = children; c != nullptr; c = c->next) {
    if (!GTK_IS_LABEL(c->data)) continue;
    gboolean expand = FALSE, fill = FALSE;
    guint padding = 0;
    GtkPackType pack = GTK_PACK_START;
    gtk_box_query_child_packing(GTK_BOX(widget), GTK_WIDGET(c->data), &expand, &fill, &padding, &pack);
    gtk_box_set_child_packing(GTK_BOX(widget), GTK_WIDGET(c->data), TRUE, TRUE, padding, pack);
  }
  g_list_free(children);
}

}  // namespace Platform
