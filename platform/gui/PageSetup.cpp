#include "platform/gui/PageSetup.h"

#include <wx/cmndata.h>

namespace Platform {

wxPageSetupDialogData& PageSetupData() {
  // Made on first use, on the GUI thread, after the toolkit has started.
  static wxPageSetupDialogData data;
  return data;
}

}  // namespace Platform
