#include "views/dialogs/DialogBuilder.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/control.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "platform/gui/CommandIds.h"
#include "platform/gui/CompactControls.h"
#include "platform/gui/InheritedFont.h"
#include "platform/gui/InvisibleChar.h"
#include "platform/gui/NaturalSize.h"
#include "platform/gui/SimpleComboBox.h"
#include "platform/gui/WindowStyles.h"
#include "views/dialogs/DialogMetrics.h"

namespace PardeloStravon {
namespace {

using namespace Platform;

// An edit this many dialog units high or less holds one line of text.
constexpr int OneLineHeight = 16;

// A check box the user cannot change by clicking: the program sets it, a
// click only tells the dialog.
class ManualCheckBox : public InheritedFont<wxCheckBox> {
 public:
  ManualCheckBox(wxWindow* parent, int id, const wxString& text, const wxPoint& pos, const wxSize& size,
                 long style)
      : InheritedFont<wxCheckBox>(parent, id, text, pos, size, style) {
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

// The window manager's title font (a bold sans of 8 points in the usual
// themes) and the room its caption buttons and icon take beside the title.
const wxFont& TitleFont() {
  static const wxFont font(wxFontInfo(8).Family(wxFONTFAMILY_SWISS).FaceName(L"Sans").Bold());
  return font;
}
constexpr int CaptionButtonsRoom = 140;

// Whether the text, wrapped at blanks, takes at most the given lines of the width.
bool WrapsWithin(const DialogMetrics& metrics, const std::wstring& text, int width, int lines) {
  int used = 1, line = 0;
  const int blank = metrics.TextExtent(L" ").x;
  std::size_t at = 0;
  while (at <= text.size()) {
    std::size_t end = text.find(L' ', at);
    if (end == std::wstring::npos) end = text.size();
    const int word = metrics.TextExtent(text.substr(at, end - at)).x;
    if (word > width) return false;
    if (line > 0 && line + blank + word > width) {
      if (++used > lines) return false;
      line = word;
    } else {
      line += (line > 0 ? blank : 0) + word;
    }
    at = end + 1;
  }
  return true;
}

// The width in dialog units the control's text needs; 0 when it holds none.
int TextWidthNeeded(const DialogMetrics& metrics, const InterfItem& item, wxWindow& control) {
  const int atom = item.atom_ & 0xFFFF;
  if (atom != ClassStatic && atom != ClassButton) return 0;
  const std::wstring text = wxControl::RemoveMnemonics(control.GetLabel()).ToStdWstring();
  if (text.empty()) return 0;
  switch (atom) {
    case ClassStatic: {
      const int lines = std::max(1, metrics.RectToPixels(item).height / std::max(1, metrics.LineHeight()));
      const int oneLine = metrics.TextExtent(text).x;
      // A pixel more than the measure: the toolkit's layout rounds its own way.
      if (lines == 1) return metrics.WidthToUnits(oneLine + 1);
      // A label of several lines wraps: the least width whose wrapping fits.
      for (int cx = item.cx_;; ++cx) {
        const int px = metrics.ToPixels(cx, 0).x;
        if (px >= oneLine || WrapsWithin(metrics, text, px, lines)) return cx;
      }
    }
    case ClassButton:
      // The toolkit's own width: frame, padding, box and text.
      return metrics.WidthToUnits(NaturalWidth(control));
    default: return 0;
  }
}

int WxIdOf(const InterfItem& item) { return item.id_ == -1 ? wxID_ANY : ToWxId(item.id_); }

[[noreturn]] void CannotBuild(const InterfItem& item) {
  throw std::invalid_argument("No control of class " + std::to_string(item.atom_) + " with style " +
                              std::to_string(item.style_) + " can be built (id " + std::to_string(item.id_) +
                              ")");
}

wxWindow* MakeButton(wxWindow& parent, const InterfItem& item, const wxPoint& pos, const wxSize& size) {
  const WinStyle kind = item.style_ & BS_TYPEMASK;
  if (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON) {
    auto* button = new InheritedFont<wxButton>(&parent, WxIdOf(item), item.text_, pos, size);
    if (kind == BS_DEFPUSHBUTTON) button->SetDefault();
    return button;
  }
  const bool threeState = kind == BS_3STATE || kind == BS_AUTO3STATE;
  const bool automatic = kind == BS_AUTOCHECKBOX || kind == BS_AUTO3STATE;
  if (!threeState && kind != BS_CHECKBOX && kind != BS_AUTOCHECKBOX) CannotBuild(item);
  long style = threeState ? wxCHK_3STATE : wxCHK_2STATE;
  if (threeState && automatic) style |= wxCHK_ALLOW_3RD_STATE_FOR_USER;
  if (item.style_ & BS_LEFTTEXT) style |= wxALIGN_RIGHT;
  wxCheckBox* box = automatic ? new InheritedFont<wxCheckBox>(&parent, WxIdOf(item), item.text_, pos, size, style)
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
  if (framed || (style & wxTE_MULTILINE))
    return new InheritedFont<wxTextCtrl>(&parent, WxIdOf(item), item.text_, pos, size,
                                         style | (framed ? wxBORDER_DEFAULT : wxBORDER_NONE));
  // A one-line edit without a frame loses it through the shared rule; the
  // flag is set afterwards, where it only tells what the edit is.
  auto* edit = new InheritedFont<wxTextCtrl>(&parent, WxIdOf(item), item.text_, pos, size, style);
  MakeFrameless(*edit);
  edit->SetWindowStyleFlag(edit->GetWindowStyleFlag() | wxBORDER_NONE);
  return edit;
}

wxWindow* MakeStatic(wxWindow& parent, const InterfItem& item, const wxPoint& pos, const wxSize& size) {
  long style = wxST_NO_AUTORESIZE;
  switch (item.style_ & SS_TYPEMASK) {
    case SS_LEFT: style |= wxALIGN_LEFT; break;
    case SS_CENTER: style |= wxALIGN_CENTRE_HORIZONTAL; break;
    case SS_RIGHT: style |= wxALIGN_RIGHT; break;
    default: CannotBuild(item);
  }
  auto* label = new InheritedFont<wxStaticText>(&parent, WxIdOf(item), item.text_, pos, size, style);
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

int TitleWidthNeeded(const wxTopLevelWindow& window) {
  const std::wstring title = window.GetTitle().ToStdWstring();
  if (title.empty()) return 0;
  int w = 0, h = 0;
  window.GetTextExtent(title, &w, &h, nullptr, nullptr, &TitleFont());
  return w + CaptionButtonsRoom;
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

wxRect DialogRectToPixels(wxWindow& window, const InterfItem& item) {
  return DialogMetrics::Of(window).RectToPixels(item);
}

wxSize DialogSizeToPixels(wxWindow& window, const InterfItem& dialog) {
  return DialogMetrics::Of(window).SizeToPixels(dialog);
}

std::vector<wxWindow*> BuildControls(wxWindow& parent, const std::vector<InterfItem>& items, std::size_t first) {
  const DialogMetrics& metrics = DialogMetrics::Of(parent);
  std::vector<wxWindow*> controls;
  controls.reserve(items.size());
  for (std::size_t i = first; i < items.size(); ++i) {
    const InterfItem& item = items[i];
    const wxRect rect = metrics.RectToPixels(item);
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
    // Before it is disabled: the toolkit would look for the character again.
    SettleInvisibleChar(*control);
    // The toolkit may have asked for more room; the template's rectangle holds.
    control->SetSize(pos.x, pos.y, size.x, size.y);
    if (item.style_ & WS_DISABLED) control->Disable();
    if (!(item.style_ & WS_VISIBLE)) control->Hide();
    controls.push_back(control);
  }
  return controls;
}

bool GiveTextsRoom(wxWindow& parent, const std::vector<InterfItem>& items, const std::vector<wxWindow*>& controls,
                   std::size_t first, int splitY) {
  DialogMetrics& metrics = DialogMetrics::Of(parent);
  std::vector<TextSpan> spans[2];
  for (std::size_t k = 0; k < controls.size() && first + k < items.size(); ++k) {
    const InterfItem& item = items[first + k];
    spans[item.y_ + item.cy_ <= splitY ? 0 : 1].push_back({item.x_, item.cx_, TextWidthNeeded(metrics, item, *controls[k])});
  }
  TextRoom above = TextRoom::For(spans[0]);
  TextRoom below = TextRoom::For(spans[1]);
  if (above.Empty() && below.Empty() && !metrics.RoomGiven()) return false;
  metrics.SetRoom(std::move(above), std::move(below), splitY);
  for (std::size_t k = 0; k < controls.size() && first + k < items.size(); ++k) {
    const wxRect rect = metrics.RectToPixels(items[first + k]);
    if (controls[k]->GetRect() == rect) continue;
    controls[k]->SetSize(rect);
    if (auto* label = dynamic_cast<wxStaticText*>(controls[k]))
      LayOutLabel(*label, (items[first + k].style_ & SS_CENTERIMAGE) != 0);
  }
  return true;
}

}  // namespace PardeloStravon
