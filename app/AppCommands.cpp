#include "app/AppCommands.h"

#include <wx/docview.h>
#include <wx/filehistory.h>
#include <wx/printdlg.h>

#include "app/CAboutDlg.h"
#include "document/gui/DocTemplates.h"
#include "document/gui/Launchers.h"
#include "document/gui/MainFrameBase.h"
#include "document/gui/QziDocManager.h"
#include "platform/gui/PageSetup.h"
#include "platform/gui/ProgramIds.h"
#include "platform/gui/ResourceIds.h"

namespace PardeloStravon {

void AddApplicationCommands(wxDocManager* manager) {
  using namespace Platform;
  CommandTarget& app = ApplicationTarget();
  app.OnCommand(ID_APP_ABOUT, [] {
    CAboutDlg about(TheMainFrame());
    about.DoModal();
  });
  app.OnCommand(ID_FILE_NEW, [] {
    if (TheAppIMFC* t = TheTemplates()) t->FileNew();
  });
  app.OnCommand(ID_FILE_OPEN, [] {
    if (TheAppIMFC* t = TheTemplates()) t->FileOpen();
  });
  // The one page setup of the process, which the views print with.
  app.OnCommand(ID_FILE_PRINT_SETUP, [] {
    wxPageSetupDialog dialog(TheMainFrame(), &PageSetupData());
    if (dialog.ShowModal() == wxID_OK) PageSetupData() = dialog.GetPageSetupDialogData();
  });
  app.OnCommand(ID_INSTRUMENT_USER_MANUALS, [] { InstrumentUserManual(); });
  app.OnCommand(ID_PROGRAM_HELP, [] { GlaciraMonitorHelp(); });
  app.OnCommand(ID_APP_EXIT, [] {
    if (MainFrameBase* main = TheMainFrame()) main->Close();
  });
  for (int i = 0; i < 16; ++i) {
    app.OnCommand(ID_FILE_MRU_FILE1 + i, [manager, i] {
      wxFileHistory* history = manager->GetFileHistory();
      TheAppIMFC* templates = TheTemplates();
      if (!history || !templates || static_cast<size_t>(i) >= history->GetCount()) return;
      // One document at a time: the entry stays for later.
      if (templates->OpenDocument()) return;
      const std::wstring path = history->GetHistoryFile(i).ToStdWstring();
      if (templates->OpenDocumentFile(path)) return;
      // A file that cannot be opened leaves the list.
      history->RemoveFileFromHistory(i);
      if (auto* docs = dynamic_cast<QziDocManager*>(manager)) docs->RefreshRecentMenus();
    });
  }
}

}  // namespace PardeloStravon
