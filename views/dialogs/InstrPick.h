#pragma once
// Asks for an instrument address: a present instrument (modes 0 and 2) or
// a free address (mode 1), chosen from the list or typed.
#include <string>
#include <vector>

#include "views/dialogs/ItemDialog.h"

namespace PardeloStravon {

class DocServices;

class InstrPick : public ItemDialog {
 public:
  InstrPick(DocServices& doc, int mode, wxWindow* parent = nullptr);

  std::wstring sel_;
  // Read from sel_ when the user confirms.
  int address_ = 0;

 protected:
  void DoDataExchange(DataExchange& dx) override;

 private:
  void OnInitDialog(wxInitDialogEvent& event);

  DocServices& doc_;
  int mode_;
};

std::vector<InterfItem> InstrPickItems();

// The chosen address; 0 when the user cancelled.
int PickInstrument(DocServices& doc, int mode);

}  // namespace PardeloStravon
