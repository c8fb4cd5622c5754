#include "platform/gui/MenuShortcutHint.h"

#include <gtk/gtk.h>
#include <wx/accel.h>
#include <wx/menuitem.h>

namespace Platform {
namespace {

GtkAccelLabel* AccelLabelOf(const wxMenuItem& item) {
  GtkWidget* widget = item.GetMenuItem();
  if (!widget || !GTK_IS_BIN(widget)) return nullptr;
  GtkWidget* child = gtk_bin_get_child(GTK_BIN(widget));
  return child && GTK_IS_ACCEL_LABEL(child) ? GTK_ACCEL_LABEL(child) : nullptr;
}

}  // namespace

bool ShowShortcutHint(wxMenuItem& item, const std::wstring& hint) {
  GtkAccelLabel* label = AccelLabelOf(item);
  if (!label) return false;
  if (hint.empty()) {
    gtk_accel_label_set_accel(label, 0, GdkModifierType(0));
    return true;
  }
  wxAcceleratorEntry entry;
  if (!entry.FromString(hint)) return false;
  const int code = entry.GetKeyCode();
  guint key = 0;
  if (code >= 'A' && code <= 'Z')
    key = gdk_unicode_to_keyval(code - 'A' + 'a');
  else if (code >= '0' && code <= '9')
    key = gdk_unicode_to_keyval(code);
  else if (code >= WXK_F1 && code <= WXK_F12)
    key = GDK_KEY_F1 + (code - WXK_F1);
  if (key == 0) return false;
  int mods = 0;
  if (entry.GetFlags() & wxACCEL_CTRL) mods |= GDK_CONTROL_MASK;
  if (entry.GetFlags() & wxACCEL_ALT) mods |= GDK_MOD1_MASK;
  if (entry.GetFlags() & wxACCEL_SHIFT) mods |= GDK_SHIFT_MASK;
  gtk_accel_label_set_accel(label, key, GdkModifierType(mods));
  return true;
}

std::wstring ShownShortcutHint(const wxMenuItem& item) {
  GtkAccelLabel* label = AccelLabelOf(item);
  if (!label) return L"";
  guint key = 0;
  GdkModifierType mods = GdkModifierType(0);
  gtk_accel_label_get_accel(label, &key, &mods);
  if (key == 0) return L"";
  std::wstring text;
  if (mods & GDK_CONTROL_MASK) text += L"Ctrl+";
  if (mods & GDK_MOD1_MASK) text += L"Alt+";
  if (mods & GDK_SHIFT_MASK) text += L"Shift+";
  const guint32 c = gdk_keyval_to_unicode(gdk_keyval_to_upper(key));
  if (c != 0)
    text += static_cast<wchar_t>(c);
  else if (const gchar* name = gdk_keyval_name(key))
    text += wxString::FromUTF8(name).ToStdWstring();
  return text;
}

}  // namespace Platform
