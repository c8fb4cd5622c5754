#include "document/gui/WindowShell.h"

#include <wx/app.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

#include <mutex>

#include "document/gui/ApplicationName.h"
#include "document/gui/DocTemplates.h"
#include "document/gui/MainFrameBase.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/ProgramIds.h"

namespace PardeloStravon {
namespace {

std::mutex postMutex;
wxEvtHandler* postTarget = nullptr;

}  // namespace

void SetPostTarget(wxEvtHandler* mainFrame) {
  std::lock_guard<std::mutex> lock(postMutex);
  postTarget = mainFrame;
}

bool WindowShell::HasMainWindow() const {
  std::lock_guard<std::mutex> lock(postMutex);
  return postTarget != nullptr;
}

void WindowShell::PostRunGuiTasks() {
  std::lock_guard<std::mutex> lock(postMutex);
  if (postTarget)
    wxQueueEvent(postTarget, new wxCommandEvent(wxEVT_MENU, Platform::ToWxId(Platform::ID_RUN_GUI_TASKS)));
}

void WindowShell::ApplyAppStrings() {
  SetApplicationName();
  if (TheAppIMFC* templates = TheTemplates()) templates->SetTemplateStrings();
}

void WindowShell::ShowMessageBox(const std::wstring& text) {
  wxMessageBox(text, wxTheApp ? wxTheApp->GetAppDisplayName() : wxString(), wxOK, nullptr);
}

// The toolkit has one sound for every kind.
void WindowShell::Beep(BeepKind) { wxBell(); }

void WindowShell::BeginWaitCursor() { wxBeginBusyCursor(); }
void WindowShell::EndWaitCursor() { wxEndBusyCursor(); }

void WindowShell::RefreshAllText() {
  if (MainFrameBase* main = TheMainFrame()) main->RefreshAllText();
}

}  // namespace PardeloStravon
