#include "document/gui/ChildFrm.h"

#include <wx/filehistory.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "document/QziDocIStd.h"
#include "document/gui/MainFrameBase.h"
#include "document/gui/MenuUi.h"
#include "document/gui/QziDoc.h"
#include "document/gui/QziView.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/Assert.h"
#include "network/nodes/InstrNetOpt.h"

namespace PardeloStravon {

ChildFrm::ChildFrm(wxDocument* doc, QziView* view, wxAuiMDIParentFrame* parent, int menuId)
    : wxDocChildFrameAny(doc, view, parent, wxID_ANY, wxString()), menuId_(menuId) {
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  const wchar_t* initial[3] = {L"", L"RX", L"LOG"};
  for (int i = 0; i < 3; ++i) {
    panes_[i] = new wxStaticText(this, wxID_ANY, initial[i], wxDefaultPosition, wxDefaultSize,
                                 wxST_NO_AUTORESIZE | wxBORDER_SUNKEN);
    row->Add(panes_[i], i == 0 ? 1 : 0, wxEXPAND | wxALL, 1);
  }
  // The login pane is a third wider than its indicator text needs.
  const wxSize log = panes_[2]->GetTextExtent(L"LOG");
  panes_[2]->SetMinSize(wxSize((log.x * 4 + 2) / 3 + 8, -1));
  panes_[1]->SetMinSize(wxSize(panes_[1]->GetTextExtent(L"RX").x + 8, -1));
  panes_[1]->SetLabel(L"");
  panes_[2]->SetLabel(L"");
  sizer->AddStretchSpacer(1);
  sizer->Add(row, 0, wxEXPAND);
  SetSizer(sizer);
  if (wxMenuBar* bar = BuildMenuBar(menuId)) {
    wxDocManager* manager = doc ? doc->GetDocumentManager() : nullptr;
    if (manager && manager->GetFileHistory()) FillRecentFiles(*bar->GetMenu(0), *manager->GetFileHistory());
    SetMenuBar(bar);
  }
}

QziView* ChildFrm::View() const { return dynamic_cast<QziView*>(GetView()); }

void ChildFrm::SetViewWindow(wxWindow* window) {
  if (!window) return;
  wxSizer* sizer = GetSizer();
  if (viewWindow_) sizer->Detach(viewWindow_);
  else sizer->Remove(0);
  viewWindow_ = window;
  sizer->Insert(0, window, 1, wxEXPAND);
  Layout();
}

void ChildFrm::SetStatusPanes(std::wstring text) {
  panes_[0]->SetLabel(text);
  // While the document closes, the last readings still reach the views:
  // there is no reception or login left to show.
  QziDoc* doc = GetDoc(this);
  if (!doc->GetF().get()) {
    panes_[1]->SetLabel(L"");
    panes_[2]->SetLabel(L"");
    return;
  }
  QziDocIStd& std = doc->Std();
  panes_[1]->SetLabel(std.NetOpt().RxEnabled() ? L"RX" : L"");
  panes_[2]->SetLabel(std.IsSupLogged() ? L"LOG2" : std.IsUserLogged() ? L"LOG" : L"");
  for (wxStaticText* pane : panes_) pane->Update();
}

std::wstring ChildFrm::StatusPane(int pane) const {
  return pane >= 0 && pane < 3 ? panes_[pane]->GetLabel().ToStdWstring() : L"";
}

void ChildFrm::RefreshMenu() {
  auto* main = dynamic_cast<MainFrameBase*>(GetMDIParentFrame());
  ASSERT_THROW(main, L"MainFrame* pMain should not be zero");
  // Each child holds its own menu bar: no activation is needed, and the
  // active child stays active.
  wxMenuBar* bar = GetMenuBar();
  ASSERT_THROW(bar, L"CMenu* pMenu should not be zero");
  if (bar->GetMenuCount() == 5) {
    const std::wstring* titles[5] = {&CTW_POP_File, &CTW_POP_Edit, &CTW_POP_View, &CTW_POP_Window, &CTW_POP_Help};
    for (unsigned i = 0; i < 5; ++i) SetMenuItemText(bar, i, DictText(*titles[i]));
    wxMenu* edit = bar->GetMenu(1);
    if (edit && edit->GetMenuItemCount() == 22) SetMenuItemText(edit, 14, DictText(CTW_POP_Format_options));
  }
  // Only the bar the main frame shows needs a redraw.
  if (bar->IsAttached()) bar->Refresh();
}

bool ChildFrm::TryBefore(wxEvent& event) {
  if (MainFrameBase* main = TheMainFrame())
    if (RouteWxEvent(event, main->Route())) return true;
  return wxDocChildFrameAny::TryBefore(event);
}

}  // namespace PardeloStravon
