#include "views/form/PrgView.h"

#include <wx/panel.h>
#include <wx/scrolwin.h>

#include <boost/any.hpp>

#include <algorithm>
#include <vector>

#include "document/gui/ChildFrm.h"
#include "document/gui/DocTemplates.h"
#include "document/gui/MainFrameBase.h"
#include "foundation/core/Assert.h"
#include "platform/gui/CommandIds.h"
#include "views/dialogs/DialogBuilder.h"
#include "views/form/FormLayout.h"

wxIMPLEMENT_DYNAMIC_CLASS(PardeloStravon::PrgView, wxView);

namespace PardeloStravon {

PrgView::PrgView() = default;

PrgView::~PrgView() {
  // The frame and its controls may outlive the view for a moment: nothing
  // of theirs may reach a view that is gone.
  if (panel_) {
    panel_->Unbind(wxEVT_BUTTON, &PrgView::OnButton, this);
    panel_->Unbind(wxEVT_CHAR_HOOK, &PrgView::OnCharHook, this);
  }
  form_.reset();
}

bool PrgView::OnCreate(wxDocument* doc, long flags) {
  CCreateContextEx* context = MyCMultiDocTemplate::CurrentContext();
  ASSERT_THROW(context, L"! pContext != NULL");
  form_.reset(boost::any_cast<InstrWBase*>(context->moreInfo_));
  ASSERT_THROW(form_, L"! pForm != NULL");
  form_->Adopted();
  return QziView::OnCreate(doc, flags);
}

void PrgView::RouteTargets(CommandRoute& route) const {
  if (form_) route.push_back(&form_->Target());
  QziView::RouteTargets(route);
}

wxWindow* PrgView::CreateViewWindow(ChildFrm& frame) {
  form_->BuildForm();
  const std::vector<InterfItem>& items = form_->FormItems();
  auto* scroll = new wxScrolledWindow(&frame, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                      wxHSCROLL | wxVSCROLL | wxTAB_TRAVERSAL);
  auto* panel = new wxPanel(scroll, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
  scroll_ = scroll;
  panel_ = panel;
  panel->SetFont(DialogFont(items.at(0)));
  // Every label gets the width its text takes in the form's font: the
  // label column is as wide as its longest label. The buttons' row above
  // the columns gets its room on its own.
  GiveTextsRoom(*panel, items, BuildControls(*panel, items), 1, FormColumnTop);
  panel->SetSize(DialogSizeToPixels(*panel, items[0]));
  scroll->SetVirtualSize(panel->GetSize());
  scroll->SetScrollRate(10, 10);
  // The tab gives the form its room and the form scrolls inside it; its
  // full size would push the frame's status panes out of sight.
  scroll->SetMinSize(wxSize(1, 1));
  panel->Bind(wxEVT_BUTTON, &PrgView::OnButton, this);
  panel->Bind(wxEVT_CHAR_HOOK, &PrgView::OnCharHook, this);
  return scroll;
}

void PrgView::OnButton(wxCommandEvent& event) {
  int id = 0;
  try {
    id = Platform::FromWxId(event.GetId());
  } catch (const Platform::UnmappedId&) {
    return event.Skip();
  }
  // The road of a menu command, from this view: the form sees it first.
  MainFrameBase* main = TheMainFrame();
  const CommandRoute route =
      BuildRoute(this, Frame() ? &Frame()->Target() : nullptr, main ? &main->Target() : nullptr, &ApplicationTarget());
  if (!RouteCommand(route, id)) event.Skip();
}

void PrgView::OnCharHook(wxKeyEvent& event) {
  if (form_ && form_->PreTranslateMessage(event)) return;
  const int key = event.GetKeyCode();
  if ((key == WXK_TAB || key == WXK_NUMPAD_TAB) && !event.ControlDown() && !event.AltDown() &&
      MoveFocus(!event.ShiftDown()))
    return;
  event.Skip();
}

bool PrgView::MoveFocus(bool forward) {
  // The dialog's own navigation: the tab stops in the items' order, round
  // within the form. The toolkit's native order would leave the panel for
  // the tabs of the main frame.
  if (!panel_) return false;
  std::vector<wxWindow*> stops;
  for (wxWindow* child : panel_->GetChildren())
    if (child->IsShown() && child->IsEnabled() && child->CanAcceptFocusFromKeyboard()) stops.push_back(child);
  if (stops.empty()) return false;
  wxWindow* focus = wxWindow::FindFocus();
  while (focus && focus->GetParent() != panel_.get()) focus = focus->GetParent();
  const auto at = std::find(stops.begin(), stops.end(), focus);
  if (at == stops.end()) return false;
  const std::size_t n = stops.size();
  const std::size_t i = static_cast<std::size_t>(at - stops.begin());
  stops[forward ? (i + 1) % n : (i + n - 1) % n]->SetFocus();
  return true;
}

}  // namespace PardeloStravon
