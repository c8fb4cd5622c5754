#pragma once
// The toolkit's document manager with sixteen recent files under the
// framework's identifiers; the menus show the list where they have
// "Recent File".
#include <wx/docview.h>

namespace PardeloStravon {

class QziDocManager : public wxDocManager {
 public:
  QziDocManager();
  wxFileHistory* OnCreateFileHistory() override;
  void AddFileToHistory(const wxString& file) override;
  // Every menu bar of the main frame and its children shows the list again.
  void RefreshRecentMenus();
};

}  // namespace PardeloStravon
