#include "app/MainFrame.h"

#include <wx/filehistory.h>

#include "document/gui/DocTemplates.h"
#include "document/gui/Launchers.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "platform/gui/ProgramIds.h"
#include "platform/gui/ResourceIds.h"

namespace PardeloStravon {

MainFrame::MainFrame(wxDocManager* manager) : MainFrameBase(manager, DictText(CTW_MAIN_FRAME_TITLE)) {}

void AddApplicationCommands(wxDocManager* manager) {
  using namespace Platform;
  CommandTarget& app = ApplicationTarget();
  app.OnCommand(ID_FILE_NEW, [] {
    if (TheAppIMFC* t = TheTemplates()) t->FileNew();
  });
  app.OnCommand(ID_FILE_OPEN, [] {
    if (TheAppIMFC* t = TheTemplates()) t->FileOpen();
  });
  app.OnCommand(ID_INSTRUMENT_USER_MANUALS, [] { InstrumentUserManual(); });
  app.OnCommand(ID_PROGRAM_HELP, [] { GlaciraMonitorHelp(); });
  app.OnCommand(ID_APP_EXIT, [] {
    if (MainFrameBase* main = TheMainFrame()) main->Close();
  });
  for (int i = 0; i < 16; ++i) {
    app.OnCommand(ID_FILE_MRU_FILE1 + i, [manager, i] {
      wxFileHistory* history = manager->GetFileHistory();
      if (!history || static_cast<size_t>(i) >= history->GetCount()) return;
      if (TheAppIMFC* t = TheTemplates()) t->OpenDocumentFile(history->GetHistoryFile(i).ToStdWstring());
    });
  }
}

}  // namespace PardeloStravon
