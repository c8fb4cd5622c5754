#pragma once
// A small dialog with one control of each kind the helpers meet, under the
// system's control identifiers.
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/gui/CommandIds.h"

namespace TestSupport {

constexpr int IdEdit = 1001;
constexpr int IdCheck = 1002;
constexpr int IdLabel = 1003;
constexpr int IdSecondEdit = 1004;

struct TestDialog {
  wxDialog* dialog;
  wxTextCtrl* edit;
  wxCheckBox* check;
  wxStaticText* label;
  wxTextCtrl* secondEdit;

  TestDialog() {
    using Platform::ToWxId;
    dialog = new wxDialog(nullptr, wxID_ANY, "Test");
    edit = new wxTextCtrl(dialog, ToWxId(IdEdit), "start", wxPoint(10, 10));
    check = new wxCheckBox(dialog, ToWxId(IdCheck), "box", wxPoint(10, 50), wxDefaultSize,
                           wxCHK_3STATE | wxCHK_ALLOW_3RD_STATE_FOR_USER);
    label = new wxStaticText(dialog, ToWxId(IdLabel), "label", wxPoint(10, 90));
    secondEdit = new wxTextCtrl(dialog, ToWxId(IdSecondEdit), "", wxPoint(10, 130));
    new wxButton(dialog, ToWxId(1), "OK", wxPoint(200, 10));
    new wxButton(dialog, ToWxId(2), "Cancel", wxPoint(200, 50));
  }
  ~TestDialog() { dialog->Destroy(); }
  TestDialog(const TestDialog&) = delete;
  TestDialog& operator=(const TestDialog&) = delete;
};

}  // namespace TestSupport
