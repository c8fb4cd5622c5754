#pragma once
// A combo box whose list is always shown under its edit field (the
// framework's "simple" style, which the toolkit has on Windows only).
#include <wx/panel.h>

#include <string>
#include <vector>

class wxListBox;
class wxTextCtrl;
class wxCommandEvent;

namespace Platform {

class SimpleComboBox : public wxPanel {
 public:
  // With rightAligned, the edit field's text sits at its right edge.
  SimpleComboBox(wxWindow* parent, int wxId, const wxPoint& pos, const wxSize& size,
                 bool rightAligned = false);

  // The edit field's text; choosing a list entry copies it there.
  std::wstring GetText() const;
  void SetText(const std::wstring& text);

  void Append(const std::wstring& item);
  // Empties the list; the edit field keeps its text.
  void Clear();
  unsigned Count() const;
  std::wstring Item(unsigned n) const;
  // Selects the entry as a click does, copying it into the edit field.
  void Choose(unsigned n);

  wxTextCtrl* Edit() const { return edit_; }
  wxListBox* List() const { return list_; }

 private:
  void OnListSelect(wxCommandEvent& event);

  wxTextCtrl* edit_;
  wxListBox* list_;
};

}  // namespace Platform
