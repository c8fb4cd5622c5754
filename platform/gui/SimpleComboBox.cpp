#include "platform/gui/SimpleComboBox.h"

#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

namespace Platform {

SimpleComboBox::SimpleComboBox(wxWindow* parent, int wxId, const wxPoint& pos, const wxSize& size,
                               bool rightAligned)
    : wxPanel(parent, wxId, pos, size, wxTAB_TRAVERSAL | wxNO_BORDER) {
  edit_ = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                         rightAligned ? wxTE_RIGHT : 0);
  list_ = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                        wxLB_SINGLE | wxLB_NEEDED_SB);
  auto* column = new wxBoxSizer(wxVERTICAL);
  column->Add(edit_, 0, wxEXPAND);
  column->Add(list_, 1, wxEXPAND);
  SetSizer(column);
  Layout();
  list_->Bind(wxEVT_LISTBOX, &SimpleComboBox::OnListSelect, this);
}

std::wstring SimpleComboBox::GetText() const { return edit_->GetValue().ToStdWstring(); }

void SimpleComboBox::SetText(const std::wstring& text) { edit_->ChangeValue(text); }

void SimpleComboBox::Append(const std::wstring& item) { list_->Append(item); }

void SimpleComboBox::Clear() { list_->Clear(); }

unsigned SimpleComboBox::Count() const { return list_->GetCount(); }

std::wstring SimpleComboBox::Item(unsigned n) const { return list_->GetString(n).ToStdWstring(); }

void SimpleComboBox::Choose(unsigned n) {
  list_->SetSelection(static_cast<int>(n));
  wxCommandEvent event(wxEVT_LISTBOX, list_->GetId());
  event.SetEventObject(list_);
  event.SetInt(static_cast<int>(n));
  list_->GetEventHandler()->ProcessEvent(event);
}

void SimpleComboBox::OnListSelect(wxCommandEvent& event) {
  const int n = event.GetInt();
  if (n >= 0 && static_cast<unsigned>(n) < list_->GetCount()) SetText(Item(static_cast<unsigned>(n)));
}

}  // namespace Platform
