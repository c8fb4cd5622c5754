#include "app/AppShell.h"

#include <wx/app.h>

#include "app/AppMessageBox.h"
#include "document/gui/MainFrameBase.h"
#include "platform/gui/ProgramIds.h"

namespace PardeloStravon {

void AppShell::PostRunGuiTasks() {
  // Before the main frame exists, and after it went, nothing is queued.
  if (!mainWindow_.load() || !wxTheApp) return;
  wxTheApp->CallAfter([] {
    MainFrameBase* main = TheMainFrame();
    if (!main) return;
    try {
      main->RouteCommand(Platform::ID_RUN_GUI_TASKS);
    } catch (...) {
      // The same record and beep as every handler that lets go.
      if (!wxTheApp->OnExceptionInMainLoop()) throw;
    }
  });
}

void AppShell::ShowMessageBox(const std::wstring& text) {
  AppMessageBox(text, wxTheApp ? wxTheApp->GetAppDisplayName().ToStdWstring() : L"", wxOK);
}

}  // namespace PardeloStravon
