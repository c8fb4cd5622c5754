#include "platform/gui/ControlAccess.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/textentry.h>
#include <wx/tglbtn.h>
#include <wx/window.h>

#include "platform/gui/CommandIds.h"
#include "platform/gui/SimpleComboBox.h"

namespace Platform {

wxWindow& FindControl(wxWindow* parent, int systemId, const std::string& missingText) {
  wxWindow* found = nullptr;
  if (parent != nullptr) {
    try {
      // The dialog itself does not count, only what it holds.
      const int wxId = ToWxId(systemId);
      for (wxWindow* child : parent->GetChildren())
        if ((found = child->FindWindow(wxId)) != nullptr) break;
    } catch (const UnmappedId&) {
      found = nullptr;
    }
  }
  if (found == nullptr) throw ControlNotFound(missingText);
  return *found;
}

std::wstring ControlText(const wxWindow& control) {
  if (auto* combo = dynamic_cast<const SimpleComboBox*>(&control)) return combo->GetText();
  if (auto* entry = dynamic_cast<const wxTextEntry*>(&control)) return entry->GetValue().ToStdWstring();
  return control.GetLabel().ToStdWstring();
}

void SetControlText(wxWindow& control, const std::wstring& text) {
  if (auto* combo = dynamic_cast<SimpleComboBox*>(&control)) return combo->SetText(text);
  if (auto* entry = dynamic_cast<wxTextEntry*>(&control)) return entry->ChangeValue(text);
  control.SetLabel(text);
}

int CheckState(const wxWindow& control) {
  if (auto* box = dynamic_cast<const wxCheckBox*>(&control)) {
    switch (box->Get3StateValue()) {
      case wxCHK_CHECKED: return 1;
      case wxCHK_UNDETERMINED: return 2;
      default: return 0;
    }
  }
  if (auto* radio = dynamic_cast<const wxRadioButton*>(&control)) return radio->GetValue() ? 1 : 0;
  if (auto* toggle = dynamic_cast<const wxToggleButton*>(&control)) return toggle->GetValue() ? 1 : 0;
  return 0;
}

void SetCheckState(wxWindow& control, int state) {
  if (auto* box = dynamic_cast<wxCheckBox*>(&control)) {
    // A two-state box shows an indeterminate request as checked.
    if (!box->Is3State())
      box->SetValue(state != 0);
    else
      box->Set3StateValue(state == 0 ? wxCHK_UNCHECKED : state == 2 ? wxCHK_UNDETERMINED : wxCHK_CHECKED);
  } else if (auto* radio = dynamic_cast<wxRadioButton*>(&control)) {
    radio->SetValue(state != 0);
  } else if (auto* toggle = dynamic_cast<wxToggleButton*>(&control)) {
    toggle->SetValue(state != 0);
  }
}

}  // namespace Platform
