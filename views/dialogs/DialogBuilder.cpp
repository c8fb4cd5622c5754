#include "views/dialogs/DialogBuilder.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include <stdexcept>
#include <string>

#include "platform/gui/CommandIds.h"
#include "platform/gui/CompactControls.h"
#include "platform/gui/SimpleComboBox.h"
#include "platform/gui/WindowStyles.h"

namespace PardeloStravon {
namespace {

using namespace Platform;

// An edit this many dialog units high or less holds one line of text.
constexpr int OneLineHeight = 16;

// A check box the user cannot change by clicking: the program sets it, a
// click only tells the dialog.
class ManualCheckBox : public wxCheckBox {
 public:
  ManualCheckBox(wxWindow* parent, int id, const wxString& text, const wxPoint& pos, const wxSize& size,
                 long style)
      : wxCheckBox(parent, id, text, pos, size, style) {
    Bind(wxEVT_CHECKBOX, &ManualCheckBox::OnClicked, this);
  }

  void SetValue(bool value) override {
    kept_ = value ? wxCHK_CHECKED : wxCHK_UNCHECKED;
    wxCheckBox::SetValue(value);
  }

 protected:
  void DoSet3StateValue(wxCheckBoxState state) override {
    // The toolkit sets the indeterminate state through SetValue(true):
    // the state asked for is kept after it.
    wxCheckBox::DoSet3StateValue(state);
    kept_ = state;
  }

 private:
  void OnClicked(wxCommandEvent& event) {
    Set3StateValue(kept_);
    event.Skip();
  }

  wxCheckBoxState kept_ = wxCHK_UNCHECKED;
};

int WxIdOf(const InterfItem& item) { return item.id_ == -1 ? wxID_ANY : ToWxId(item.id_); }

[[noreturn]] void CannotBuild(const InterfItem& item) {
  throw std::invalid_argument("No control of class " + std::to_string(item.atom_) + " with style " +
                              std::to_string(item.style_) + " can be built (id " + std::to_string(item.id_) +
                              ")");
}

wxWindow* MakeButton(wxWindow& parent, const InterfItem& item, const wxPoint& pos, const wxSize& size) {
  const WinStyle kind = item.style_ & BS_TYPEMASK;
  if (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON) {
    auto* button = new wxButton(&parent, WxIdOf(item), item.text_, pos, size);
    if (kind == BS_DEFPUSHBUTTON) button->SetDefault();
    return button;
  }
  const bool threeState = kind == BS_3STATE || kind == BS_AUTO3STATE;
  const bool automatic = kind == BS_AUTOCHECKBOX || kind == BS_AUTO3STATE;
  if (!threeState && kind != BS_CHECKBOX && kind != BS_AUTOCHECKBOX) CannotBuild(item);
  long style = threeState ? wxCHK_3STATE : wxCHK_2STATE;
  if (threeState && automatic) style |= wxCHK_ALLOW_3RD_STATE_FOR_USER;
  if (item.style_ & BS_LEFTTEXT) style |= wxALIGN_RIGHT;
  wxCheckBox* box = automatic ? new wxCheckBox(&parent, WxIdOf(item), item.text_, pos, size, style)
                              : new ManualCheckBox(&parent, WxIdOf(item), item.text_, pos, size, style);
  if (item.style_ & BS_LEFTTEXT) PutBoxAtFarEdge(*box);
  return box;
}

wxWindow* MakeEdit(wxWindow& parent, const InterfItem& item, const wxPoint& pos, const wxSize& size) {
  long style = 0;
  if (item.style_ & ES_RIGHT)
    style |= wxTE_RIGHT;
  else if (item.style_ & ES_CENTER)
    style |= wxTE_CENTRE;
  if (item.style_ & ES_READONLY) style |= wxTE_READONLY;
  if (item.style_ & ES_PASSWORD) style |= wxTE_PASSWORD;
  if ((item.style_ & ES_MULTILINE) && item.cy_ > OneLineHeight) style |= wxTE_MULTILINE;
  const bool framed = (item.style_ & WS_BORDER) || (item.exStyle_ & WS_EX_CLIENTEDGE);
  style |= framed ? wxBORDER_DEFAULT : wxBORDER_NONE;
  return new wxTextCtrl(&parent, WxIdOf(item), item.text_, pos, size, style);
}

wxWindow* MakeStatic(wxWindow& parent, const InterfItem& item, const wxPoint& pos, const wxSize& size) {
  long style = wxST_NO_AUTORESIZE;
  switch (item.style_ & SS_TYPEMASK) {
    case SS_LEFT: style |= wxALIGN_LEFT; break;
    case SS_CENTER: style |= wxALIGN_CENTRE_HORIZONTAL; break;
    case SS_RIGHT: style |= wxALIGN_RIGHT; break;
    default: CannotBuild(item);
  }
  auto* label = new wxStaticText(&parent, WxIdOf(item), item.text_, pos, size, style);
  LayOutLabel(*label, (item.style_ & SS_CENTERIMAGE) != 0);
  return label;
}

wxWindow* MakeCombo(wxWindow& parent, const InterfItem& item, const wxPoint& pos, const wxSize& size) {
  if ((item.style_ & 0x3) != CBS_SIMPLE) CannotBuild(item);
  auto* combo = new SimpleComboBox(&parent, WxIdOf(item), pos, size, (item.exStyle_ & WS_EX_RIGHT) != 0);
  combo->SetText(item.text_);
  return combo;
}

}  // namespace

wxFont DialogFont(const InterfItem& dialog) {
  std::wstring face = dialog.FontNameUsed();
  if (face == L"Arial" || face == L"MS Shell Dlg") face = L"Liberation Sans";
  return wxFont(wxFontInfo(dialog.FontSizeUsed()).FaceName(face));
}

long DialogFrameStyle(std::uint32_t style) {
  long frame = 0;
  if ((style & WS_CAPTION) == WS_CAPTION) frame |= wxCAPTION;
  if (style & WS_SYSMENU) frame |= wxSYSTEM_MENU | wxCLOSE_BOX;
  if (style & WS_THICKFRAME) frame |= wxRESIZE_BORDER;
  // On a top-level window the tab-stop bit is the maximise box.
  if (style & WS_MAXIMIZEBOX) frame |= wxMAXIMIZE_BOX;
  return frame;
}

wxRect DialogRectToPixels(const wxWindow& window, const InterfItem& item) {
  const wxPoint topLeft = window.ConvertDialogToPixels(wxPoint(item.x_, item.y_));
  const wxPoint bottomRight = window.ConvertDialogToPixels(wxPoint(item.x_ + item.cx_, item.y_ + item.cy_));
  return wxRect(topLeft, wxSize(bottomRight.x - topLeft.x, bottomRight.y - topLeft.y));
}

void BuildControls(wxWindow& parent, const std::vector<InterfItem>& items, std::size_t first) {
  for (std::size_t i = first; i < items.size(); ++i) {
    const InterfItem& item = items[i];
    const wxRect rect = DialogRectToPixels(parent, item);
    const wxPoint pos = rect.GetPosition();
    const wxSize size = rect.GetSize();
    wxWindow* control = nullptr;
    switch (item.atom_ & 0xFFFF) {
      case ClassButton: control = MakeButton(parent, item, pos, size); break;
      case ClassEdit: control = MakeEdit(parent, item, pos, size); break;
      case ClassStatic: control = MakeStatic(parent, item, pos, size); break;
      case ClassComboBox: control = MakeCombo(parent, item, pos, size); break;
      default: CannotBuild(item);
    }
    MakeCompact(*control);
    // The toolkit may have asked for more room; the template's rectangle holds.
    control->SetSize(pos.x, pos.y, size.x, size.y);
    if (item.style_ & WS_DISABLED) control->Disable();
    if (!(item.style_ & WS_VISIBLE)) control->Hide();
  }
}

}  // namespace PardeloStravon
