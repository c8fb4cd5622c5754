#include "platform/gui/FontDialog.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/clrpicker.h>
#include <wx/fontenum.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

#include <algorithm>

#include "platform/gui/FontConv.h"

namespace Platform {
namespace {

const wchar_t* const Styles[] = {L"Regular", L"Italic", L"Bold", L"Bold Italic"};

}  // namespace

FontDialog::FontDialog(wxWindow* owner, const LOGFONTW& font, COLORREF colour)
    : wxDialog(owner, wxID_ANY, L"Font"), base_(font) {
  const wxFont shown = ToWxFont(font);
  wxArrayString faces = wxFontEnumerator::GetFacenames();
  faces.Sort();
  if (faces.Index(shown.GetFaceName()) == wxNOT_FOUND) faces.Insert(shown.GetFaceName(), 0);
  face_ = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, faces);
  face_->SetStringSelection(shown.GetFaceName());
  style_ = new wxChoice(this, wxID_ANY);
  for (const wchar_t* s : Styles) style_->Append(s);
  const bool bold = shown.GetWeight() >= wxFONTWEIGHT_BOLD;
  const bool italic = shown.GetStyle() != wxFONTSTYLE_NORMAL;
  style_->SetSelection((bold ? 2 : 0) + (italic ? 1 : 0));
  size_ = new wxSpinCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS, 1,
                         500, std::max(1, shown.GetPointSize()));
  underline_ = new wxCheckBox(this, wxID_ANY, L"Underline");
  underline_->SetValue(font.lfUnderline != 0);
  strikeOut_ = new wxCheckBox(this, wxID_ANY, L"Strikeout");
  strikeOut_->SetValue(font.lfStrikeOut != 0);
  colour_ = new wxColourPickerCtrl(this, wxID_ANY, wxColour(GetRValue(colour), GetGValue(colour), GetBValue(colour)));

  auto* grid = new wxFlexGridSizer(2, 6, 10);
  grid->Add(new wxStaticText(this, wxID_ANY, L"Font:"), 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(face_, 1, wxEXPAND);
  grid->Add(new wxStaticText(this, wxID_ANY, L"Font style:"), 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(style_, 1, wxEXPAND);
  grid->Add(new wxStaticText(this, wxID_ANY, L"Size:"), 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(size_, 1, wxEXPAND);
  grid->Add(new wxStaticText(this, wxID_ANY, L"Effects:"), 0, wxALIGN_CENTER_VERTICAL);
  auto* effects = new wxBoxSizer(wxHORIZONTAL);
  effects->Add(underline_, 0, wxRIGHT, 12);
  effects->Add(strikeOut_);
  grid->Add(effects);
  grid->Add(new wxStaticText(this, wxID_ANY, L"Color:"), 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(colour_);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 1, wxEXPAND | wxALL, 12);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);
}

LOGFONTW FontDialog::Font() const {
  wxFont chosen = ToWxFont(base_);
  chosen.SetFaceName(face_->GetStringSelection());
  const int style = style_->GetSelection();
  chosen.SetWeight(style >= 2 ? wxFONTWEIGHT_BOLD : wxFONTWEIGHT_NORMAL);
  chosen.SetStyle(style % 2 ? wxFONTSTYLE_ITALIC : wxFONTSTYLE_NORMAL);
  chosen.SetPointSize(size_->GetValue());
  LOGFONTW lf = ToLogFont(chosen, base_);
  lf.lfUnderline = underline_->GetValue() ? 1 : 0;
  lf.lfStrikeOut = strikeOut_->GetValue() ? 1 : 0;
  return lf;
}

COLORREF FontDialog::Colour() const {
  const wxColour c = colour_->GetColour();
  return RGB(c.Red(), c.Green(), c.Blue());
}

bool ChooseFont(wxWindow* owner, LOGFONTW* font, COLORREF* colour) {
  FontDialog dialog(owner, *font, *colour);
  if (dialog.ShowModal() != wxID_OK) return false;
  *font = dialog.Font();
  *colour = dialog.Colour();
  return true;
}

}  // namespace Platform
