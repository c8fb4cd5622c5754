#include "platform/gui/NativeDialog.h"

#include <gtk/gtk.h>
#include <wx/dialog.h>

namespace Platform {

bool EndNativeDialog(wxDialog& dialog, bool ok) {
  GtkWidget* widget = dialog.GetHandle();
  if (widget == nullptr || !GTK_IS_DIALOG(widget)) return false;
  gtk_dialog_response(GTK_DIALOG(widget), ok ? GTK_RESPONSE_OK : GTK_RESPONSE_CANCEL);
  return true;
}

}  // namespace Platform
