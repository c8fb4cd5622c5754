#include "views/dialogs/DlgScroll.h"

#include <wx/scrolbar.h>
#include <wx/window.h>

#include <algorithm>

#include "platform/gui/ControlsHost.h"
#include "platform/gui/WindowStyles.h"
#include "platform/gui/WindowFront.h"
#include "views/dialogs/DialogBuilder.h"

namespace PardeloStravon {
namespace Scroll {
namespace {

ScrollCode CodeOf(const wxEventType type) {
  if (type == wxEVT_SCROLLWIN_LINEUP) return SB_LINEUP;
  if (type == wxEVT_SCROLLWIN_LINEDOWN) return SB_LINEDOWN;
  if (type == wxEVT_SCROLLWIN_PAGEUP) return SB_PAGEUP;
  if (type == wxEVT_SCROLLWIN_PAGEDOWN) return SB_PAGEDOWN;
  if (type == wxEVT_SCROLLWIN_THUMBRELEASE) return SB_THUMBPOSITION;
  return SB_OTHER;  // tracking, top, bottom
}

}  // namespace

DlgScroll::DlgScroll(wxWindow* parent, const std::vector<InterfItem>& items) {
  const InterfItem& dialog = items.at(0);
  Create(parent, wxID_ANY, dialog.text_, wxDefaultPosition, wxDefaultSize, DialogFrameStyle(dialog.style_));
  SetFont(DialogFont(dialog));
  // Always shown, so that the client size does not change with the range.
  content_ = new Platform::ControlsHost(this, wxPoint(0, 0), wxDefaultSize,
                                        wxVSCROLL | wxHSCROLL | wxALWAYS_SHOW_SB | wxTAB_TRAVERSAL);
  content_->SetFont(GetFont());
  // The texts are known when the template is made: they get their room at once.
  std::vector<wxWindow*> controls;
  {
    Platform::ControlsHost::Detached detached(*content_);
    controls = BuildControls(*content_, items);
  }
  GiveTextsRoom(*content_, items, controls);
  SetClientSize(DialogSizeToPixels(*content_, dialog));
  content_->SetSize(GetClientSize());
  Bind(wxEVT_INIT_DIALOG, &DlgScroll::OnInitDialogEvent, this);
  Bind(wxEVT_SIZE, &DlgScroll::OnDialogSize, this);
  content_->Bind(wxEVT_SIZE, &DlgScroll::OnContentSize, this);
  const wxEventTypeTag<wxScrollWinEvent> scrollEvents[] = {
      wxEVT_SCROLLWIN_LINEUP,     wxEVT_SCROLLWIN_LINEDOWN,     wxEVT_SCROLLWIN_PAGEUP, wxEVT_SCROLLWIN_PAGEDOWN,
      wxEVT_SCROLLWIN_THUMBTRACK, wxEVT_SCROLLWIN_THUMBRELEASE, wxEVT_SCROLLWIN_TOP,    wxEVT_SCROLLWIN_BOTTOM};
  for (const auto& type : scrollEvents) content_->Bind(type, &DlgScroll::OnScrollWin, this);
  content_->Bind(wxEVT_MOUSEWHEEL, &DlgScroll::OnWheel, this);
  Platform::FrontWhenShown(*this);
}

// The toolkit would destroy the controls with a check after each one that
// walks all the others; from the first on, each goes at once.
DlgScroll::~DlgScroll() {
  while (!content_->GetChildren().empty()) delete content_->GetChildren().front();
}

void DlgScroll::SetFullSize(int cx, int cy) { model_.SetFullSize(cx, cy); }

void DlgScroll::OnInitDialog() {
  const wxSize window = GetSize();
  model_.SetFullSize(window.x, window.y);
  // Shown again after scrolling: the content goes back with the positions.
  Move(model_.VScroll(SB_THUMBPOSITION, 0));
  Move(model_.HScroll(SB_THUMBPOSITION, 0));
  model_.ResetPositions();
}

void DlgScroll::OnInitDialogEvent(wxInitDialogEvent&) {
  TransferDataToWindow();
  OnInitDialog();
}

void DlgScroll::OnDialogSize(wxSizeEvent& event) {
  content_->SetSize(GetClientSize());
  event.Skip();
}

void DlgScroll::OnContentSize(wxSizeEvent& event) {
  event.Skip();
  const wxSize client = content_->GetClientSize();
  Move(model_.Resize(client.x, client.y));
  ShowBars();
}

void DlgScroll::OnVScroll(ScrollCode code, int pos) {
  Move(model_.VScroll(code, pos));
  ShowBars();
}

void DlgScroll::OnHScroll(ScrollCode code, int pos) {
  Move(model_.HScroll(code, pos));
  ShowBars();
}

bool DlgScroll::OnMouseWheel(int delta, int linesPerNotch) {
  ContentMove moved;
  if (!model_.Wheel(delta, linesPerNotch, moved)) return false;
  Move(moved);
  ShowBars();
  return true;
}

void DlgScroll::OnScrollWin(wxScrollWinEvent& event) {
  const ScrollCode code = CodeOf(event.GetEventType());
  if (event.GetOrientation() == wxVERTICAL)
    OnVScroll(code, event.GetPosition());
  else
    OnHScroll(code, event.GetPosition());
}

void DlgScroll::OnWheel(wxMouseEvent& event) {
  if (event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL) return event.Skip();
  const int lines = event.IsPageScroll() ? WheelPageMode : event.GetLinesPerAction();
  if (!OnMouseWheel(event.GetWheelRotation(), lines)) event.Skip();
}

void DlgScroll::Move(const ContentMove& move) {
  if (move.dx == 0 && move.dy == 0) return;
  // Each control is moved on its own: moving the window's content at once
  // makes GTK reallocate the hidden labels of check boxes without text, and
  // it fails an assertion for every one.
  content_->Freeze();
  for (wxWindow* child : content_->GetChildren()) child->Move(child->GetPosition() + wxPoint(move.dx, move.dy));
  content_->Thaw();
}

// The bars run from 0 to the range with a box of a fifth of it; a content
// that fits leaves them disabled.
void DlgScroll::ShowBars() {
  const struct {
    int orient, range, page, pos;
  } bars[] = {{wxHORIZONTAL, model_.HRange(), model_.HPage(), model_.HPos()},
              {wxVERTICAL, model_.VRange(), model_.VPage(), model_.VPos()}};
  for (const auto& bar : bars) {
    if (bar.range == 0) {
      content_->SetScrollbar(bar.orient, 0, 0, 0);
      continue;
    }
    const int thumb = std::max(1, bar.page);
    content_->SetScrollbar(bar.orient, bar.pos, thumb, bar.range + thumb);
  }
}

}  // namespace Scroll
}  // namespace PardeloStravon
