#include "views/placeholder/PlaceholderViews.h"

#include <wx/dcclient.h>
#include <wx/panel.h>

#include "document/QziDocIStd.h"
#include "document/gui/ChildFrm.h"
#include "document/gui/QziDoc.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"

wxIMPLEMENT_DYNAMIC_CLASS(PardeloStravon::OptionsPlaceholder, wxView);
wxIMPLEMENT_DYNAMIC_CLASS(PardeloStravon::StatusPlaceholder, wxView);
wxIMPLEMENT_DYNAMIC_CLASS(PardeloStravon::SerialPlaceholder, wxView);
wxIMPLEMENT_DYNAMIC_CLASS(PardeloStravon::GraphPlaceholder, wxView);
wxIMPLEMENT_DYNAMIC_CLASS(PardeloStravon::ProgramPlaceholder, wxView);

namespace PardeloStravon {

wxWindow* PlaceholderView::CreateViewWindow(ChildFrm& frame) {
  auto* panel = new wxPanel(&frame);
  panel->SetBackgroundColour(*wxWHITE);
  // The panel may still paint after the view went with its document.
  panel->Bind(wxEVT_PAINT, [name = KindName(), panel](wxPaintEvent&) {
    wxPaintDC dc(panel);
    dc.SetFont(wxFontInfo(14).Bold());
    dc.DrawText(name, 20, 20);
  });
  window_ = panel;
  return panel;
}

void PlaceholderView::OnInitialUpdate() {
  QziDoc* doc = GetDoc(this);
  connection_ = doc->Std().ConnectDocSignal([this](int, DocSignal) {
    ++signals_;
    Refresh();
  });
  Refresh();
}

void PlaceholderView::Refresh() {
  if (ChildFrm* frame = Frame()) {
    frame->SetTitle(DictText(CaptionToken()));
    frame->SetStatusPanes(KindName());
  }
  if (window_) window_->Refresh();
}

const std::wstring& OptionsPlaceholder::CaptionToken() const { return CTW_Options_Title; }
std::wstring OptionsPlaceholder::KindName() const { return L"Options"; }
const std::wstring& StatusPlaceholder::CaptionToken() const { return CTW_Status_Title; }
std::wstring StatusPlaceholder::KindName() const { return L"Status"; }
const std::wstring& SerialPlaceholder::CaptionToken() const { return CTW_Serial_Line_Troubleshooting_Title; }
std::wstring SerialPlaceholder::KindName() const { return L"Serial troubleshooting"; }
const std::wstring& GraphPlaceholder::CaptionToken() const { return CTW_Graphic_Title; }
std::wstring GraphPlaceholder::KindName() const { return L"Graphic"; }
const std::wstring& ProgramPlaceholder::CaptionToken() const { return CTW_Program_Title; }
std::wstring ProgramPlaceholder::KindName() const { return L"Program"; }

}  // namespace PardeloStravon
