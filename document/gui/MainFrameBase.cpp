#include "document/gui/MainFrameBase.h"

#include <wx/app.h>
#include <wx/aui/auibook.h>
#include <wx/menu.h>
#include <wx/textentry.h>
#include <wx/toolbar.h>

#include <atomic>
#include <regex>
#include <string>

#include "document/gui/ChildFrm.h"
#include "document/gui/DocTemplates.h"
#include "document/gui/MenuLabels.h"
#include "document/gui/MenuResources.h"
#include "document/gui/MenuUi.h"
#include "document/gui/QziDoc.h"
#include "document/gui/QziView.h"
#include "document/gui/WindowShell.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/Assert.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/ProgramIds.h"
#include "platform/gui/ResourceIds.h"

namespace PardeloStravon {
namespace {

MainFrameBase* theMainFrame = nullptr;

// A system command identifier of a toolkit event, or 0 for the toolkit's own.
int SystemIdOf(int wxId) {
  try {
    const int id = Platform::FromWxId(wxId);
    return id == Platform::ID_RUN_GUI_TASKS || id >= 0x8000 ? id : 0;
  } catch (const Platform::UnmappedId&) {
    return 0;
  }
}

// The keys a text field answers itself.
bool IsEditingKey(int key, bool ctrl, bool alt, bool shift) {
  if (!ctrl || alt || shift) return false;
  if (key >= 'a' && key <= 'z') key -= 'a' - 'A';
  return key == 'A' || key == 'C' || key == 'V' || key == 'X' || key == 'Z';
}

bool IsRecentFile(int id) { return id >= Platform::ID_FILE_MRU_FILE1 && id <= Platform::ID_FILE_MRU_FILE16; }

}  // namespace

MainFrameBase* TheMainFrame() { return theMainFrame; }

CommandTarget& ApplicationTarget() {
  static CommandTarget target;
  return target;
}

CommandRoute BuildRoute(const QziView* view, const CommandTarget* child, const CommandTarget* main,
                        const CommandTarget* app) {
  CommandRoute route;
  if (view) {
    view->RouteTargets(route);
    if (auto* doc = dynamic_cast<QziDoc*>(view->GetDocument()))
      if (doc->GetF().get()) route.push_back(&doc->Target());
  }
  if (child) route.push_back(child);
  if (main) route.push_back(main);
  if (app) route.push_back(app);
  return route;
}

bool RouteWxEvent(wxEvent& event, const CommandRoute& route) {
  const wxEventType type = event.GetEventType();
  if (type != wxEVT_MENU && type != wxEVT_UPDATE_UI && type != wxEVT_TOOL) return false;
  const int id = SystemIdOf(event.GetId());
  if (id == 0) return false;
  if (type == wxEVT_UPDATE_UI) {
    // The recent files are enabled by their list.
    if (IsRecentFile(id)) return true;
    auto& ui = static_cast<wxUpdateUIEvent&>(event);
    const CommandState state = QueryCommandState(route, id);
    ui.Enable(state.enabled);
    if (state.checked) ui.Check(*state.checked);
    if (state.text) ui.SetText(WithMnemonic(*state.text, ResourceMenuText(id)));
    return true;
  }
  RouteCommand(route, id);
  return true;
}

MainFrameBase::MainFrameBase(wxDocManager* manager, const wxString& title) {
  Create(manager, nullptr, wxID_ANY, title, wxDefaultPosition, wxSize(1000, 760));
  // A sixth popup of the toolkit's own would break the document menus.
  SetWindowMenu(nullptr);
  SetMenuBar(BuildMenuBar(IDR_MAINFRAME));
  theMainFrame = this;
  SetPostTarget(this);
  Bind(wxEVT_CHAR_HOOK, &MainFrameBase::OnCharHook, this);

  using namespace Platform;
  target_.OnCommand(ID_VIEW_TOOLBAR, [this] {
    if (wxToolBar* bar = GetToolBar()) {
      bar->Show(!bar->IsShown());
      Layout();
    }
  });
  target_.OnUpdate(ID_VIEW_TOOLBAR, [this](CmdUI& ui) { ui.SetCheck(GetToolBar() && GetToolBar()->IsShown()); });
  target_.OnCommand(ID_VIEW_STATUS_BAR, [this] {
    if (wxStatusBar* bar = GetStatusBar()) {
      bar->Show(!bar->IsShown());
      SendSizeEvent();
    }
  });
  target_.OnUpdate(ID_VIEW_STATUS_BAR,
                   [this](CmdUI& ui) { ui.SetCheck(GetStatusBar() && GetStatusBar()->IsShown()); });
  target_.OnCommand(ID_WINDOW_NEW, [this] {
    ChildFrm* active = ActiveChildFrm();
    QziDoc* doc = active ? GetDoc(active) : nullptr;
    if (!doc) return;
    // The document's own template, whatever kind of window is active.
    auto* tpl = dynamic_cast<MyCMultiDocTemplate*>(doc->GetDocumentTemplate());
    if (ChildFrm* frame = tpl ? tpl->CreateNewFrame(doc, active) : nullptr)
      tpl->InitialUpdateFrame(frame, doc, true);
  });
  target_.OnCommand(ID_WINDOW_CASCADE, [this] { CascadeChildren(); });
  target_.OnCommand(ID_WINDOW_TILE_HORZ, [this] { TileChildren(); });
  // No child is ever minimised here.
  target_.OnCommand(ID_WINDOW_ARRANGE, [] {});
}

MainFrameBase::~MainFrameBase() {
  if (theMainFrame == this) {
    theMainFrame = nullptr;
    SetPostTarget(nullptr);
  }
}

ChildFrm* MainFrameBase::ActiveChildFrm() const { return dynamic_cast<ChildFrm*>(GetActiveChild()); }

CommandRoute MainFrameBase::Route() const {
  ChildFrm* child = ActiveChildFrm();
  return BuildRoute(child ? child->View() : nullptr, child ? &child->Target() : nullptr, &target_,
                    &ApplicationTarget());
}

bool MainFrameBase::RouteCommand(int systemId) { return PardeloStravon::RouteCommand(Route(), systemId); }

CommandState MainFrameBase::QueryState(int systemId) const { return QueryCommandState(Route(), systemId); }

bool MainFrameBase::TryBefore(wxEvent& event) {
  if (RouteWxEvent(event, Route())) return true;
  return wxDocParentFrameAny::TryBefore(event);
}

bool MainFrameBase::ProcessEvent(wxEvent& event) {
  try {
    return wxDocParentFrameAny::ProcessEvent(event);
  } catch (...) {
    // The tabbed parent skips an event at the address of the last one it
    // saw until that one is done: after a throw, the next event in the same
    // place on the stack would be lost.
    m_pLastEvt = nullptr;
    throw;
  }
}

void MainFrameBase::OnCharHook(wxKeyEvent& event) {
  // A text field keeps its own editing keys: select all, copy, paste, cut
  // and undo act on the field, not on the commands of the same keys.
  if (IsEditingKey(event.GetKeyCode(), event.ControlDown(), event.AltDown(), event.ShiftDown()) &&
      dynamic_cast<wxTextEntry*>(wxWindow::FindFocus())) {
    event.Skip();
    return;
  }
  const int id = FindAccelerator(event.GetKeyCode(), event.ControlDown(), event.AltDown(), event.ShiftDown());
  // A disabled key runs nothing and stays with the focused control.
  if (id == 0 || !RouteCommand(id)) event.Skip();
}

void MainFrameBase::KeepKeysWithTheFrame() {
  // With no window inside, the frame itself holds the focus, and the
  // toolkit then hands the keys to no window: the accelerator table would
  // never see Ctrl+N or Ctrl+O. The empty client area takes the focus.
  wxAuiNotebook* book = GetNotebook();
  if (!book || GetActiveChild() || !IsActive()) return;
  wxWindow* focus = wxWindow::FindFocus();
  if (focus && focus != this) return;
  book->SetCanFocus(true);
  book->SetFocus();
}

void MainFrameBase::RefreshAllText() {
  SetAllText();
  if (wxMenuBar* bar = GetMenuBar()) bar->Refresh();
}

void MainFrameBase::BecomeMainWindow() {
  mainWindow_ = true;
  if (wxTheApp) wxTheApp->SetTopWindow(this);
}

void MainFrameBase::SetAllText() {
  if (TheAppIMFC* templates = TheTemplates()) templates->SetTemplateStrings();
  SetTitle(DictText(CTW_MAIN_FRAME_TITLE));
  // While the frame is being created it is not yet the main window: the
  // menu is translated the first time a document closes.
  if (!mainWindow_) return;
  TranslateMenu();
}

void MainFrameBase::TranslateMenu() {
  wxMenuBar* pMenu = GetMenuBar();
  ASSERT_THROW(pMenu, L"!pMenu");
  ASSERT_THROW(pMenu->GetMenuCount() == 3, L"!pMenu->GetMenuItemCount()==nPopup");
  SetMenuItemText(pMenu, 0, DictText(CTW_POP_File));
  SetMenuItemText(pMenu, 1, DictText(CTW_POP_View));
  SetMenuItemText(pMenu, 2, DictText(CTW_POP_Help));
  struct ItemText {
    int popup;
    int id;
    const std::wstring* token;
  };
  const ItemText items[] = {
      {0, Platform::ID_FILE_NEW, &CTW_ID_FILE_NEW},          {0, Platform::ID_FILE_OPEN, &CTW_ID_FILE_OPEN},
      {0, Platform::ID_FILE_PRINT_SETUP, &CTW_ID_FILE_PRINT_SETUP}, {0, Platform::ID_APP_EXIT, &CTW_ID_APP_EXIT},
      {1, Platform::ID_VIEW_TOOLBAR, &CTW_ID_VIEW_TOOLBAR}, {1, Platform::ID_VIEW_STATUS_BAR, &CTW_ID_VIEW_STATUS_BAR},
      {2, Platform::ID_APP_ABOUT, &CTW_ID_APP_ABOUT},
  };
  for (const ItemText& it : items) {
    wxMenu* pSubMenu = pMenu->GetMenu(it.popup);
    ASSERT_THROW(pSubMenu, L"!pSubMenu");
    if (wxMenuItem* item = pSubMenu->FindItem(Platform::ToWxId(it.id)))
      item->SetItemLabel(WithMnemonic(DictText(*it.token), ResourceMenuText(it.id)));
  }
}

void MainFrameBase::TileChildren() {
  wxAuiNotebook* book = GetNotebook();
  if (!book) return;
  for (size_t i = 1; i < book->GetPageCount(); ++i) book->Split(i, wxBOTTOM);
  // The toolkit gives a new group a size of its own choosing, which a
  // maximised frame leaves at a strip: the groups share the height evenly,
  // now and whenever the client area changes size, until Cascade.
  tiled_ = true;
  if (!tileSizing_) {
    tileSizing_ = true;
    book->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
      event.Skip();
      if (tiled_) CallAfter([this] { ShareHeightEvenly(); });
    });
  }
  ShareHeightEvenly();
}

void MainFrameBase::ShareHeightEvenly() {
  wxAuiNotebook* book = GetNotebook();
  const int groups = ChildGroups();
  if (!book || groups < 2) return;
  const int share = book->GetClientSize().GetHeight() / groups;
  if (share <= 0) return;
  auto& manager = const_cast<wxAuiManager&>(book->GetAuiManager());
  // The docks' sizes are reachable only through the saved layout.
  const std::string layout = manager.SavePerspective().ToStdString();
  static const std::regex bottomDock(R"(dock_size\(3,(\d+),(\d+)\)=\d+)");
  const std::string shared =
      std::regex_replace(layout, bottomDock, "dock_size(3,$1,$2)=" + std::to_string(share));
  if (shared != layout) manager.LoadPerspective(wxString::FromUTF8(shared), true);
}

void MainFrameBase::CascadeChildren() {
  tiled_ = false;
  wxAuiNotebook* book = GetNotebook();
  if (!book || book->GetPageCount() < 2) return;
  wxWindow* active = book->GetCurrentPage();
  std::vector<std::pair<wxWindow*, wxString>> pages;
  for (size_t i = 0; i < book->GetPageCount(); ++i) pages.emplace_back(book->GetPage(i), book->GetPageText(i));
  while (book->GetPageCount() > 0) book->RemovePage(0);
  for (auto& page : pages) book->AddPage(page.first, page.second);
  if (active) book->SetSelection(book->GetPageIndex(active));
}

int MainFrameBase::ChildGroups() const {
  wxAuiNotebook* book = GetNotebook();
  if (!book) return 0;
  int groups = 0;
  wxAuiPaneInfoArray& panes = const_cast<wxAuiManager&>(book->GetAuiManager()).GetAllPanes();
  for (size_t i = 0; i < panes.GetCount(); ++i)
    if (panes.Item(i).name != L"dummy") ++groups;
  return groups;
}

}  // namespace PardeloStravon
