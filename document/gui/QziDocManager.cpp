#include "document/gui/QziDocManager.h"

#include <wx/filehistory.h>
#include <wx/menu.h>

#include "document/gui/ChildFrm.h"
#include "document/gui/MainFrameBase.h"
#include "document/gui/MenuUi.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/ResourceIds.h"

namespace PardeloStravon {
namespace {

void FillBar(wxMenuBar* bar, const wxFileHistory& history) {
  if (bar && bar->GetMenuCount() > 0) FillRecentFiles(*bar->GetMenu(0), history);
}

}  // namespace

QziDocManager::QziDocManager() : wxDocManager(0, false) { Initialize(); }

wxFileHistory* QziDocManager::OnCreateFileHistory() {
  return new wxFileHistory(16, Platform::ToWxId(Platform::ID_FILE_MRU_FILE1));
}

void QziDocManager::AddFileToHistory(const wxString& file) {
  wxDocManager::AddFileToHistory(file);
  RefreshRecentMenus();
}

void QziDocManager::RefreshRecentMenus() {
  wxFileHistory* history = GetFileHistory();
  MainFrameBase* main = TheMainFrame();
  if (!history || !main) return;
  FillBar(main->OwnMenuBar(), *history);
  if (main->GetMenuBar() != main->OwnMenuBar()) FillBar(main->GetMenuBar(), *history);
  wxAuiNotebook* book = main->GetNotebook();
  for (size_t i = 0; book && i < book->GetPageCount(); ++i)
    if (auto* child = dynamic_cast<ChildFrm*>(book->GetPage(i))) FillBar(child->GetMenuBar(), *history);
}

}  // namespace PardeloStravon
