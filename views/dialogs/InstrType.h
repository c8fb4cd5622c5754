#pragma once
// Asks for the instrument type of a new instrument, chosen from the codes
// or typed.
#include <string>
#include <vector>

#include "views/dialogs/ItemDialog.h"

namespace PardeloStravon {

class InstrType : public ItemDialog {
 public:
  explicit InstrType(const std::vector<std::wstring>& codes, wxWindow* parent = nullptr);

  std::wstring sel_;

 protected:
  void DoDataExchange(DataExchange& dx) override;

 private:
  void OnInitDialog(wxInitDialogEvent& event);

  const std::vector<std::wstring>& codes_;
};

std::vector<InterfItem> InstrTypeItems();

// The chosen code; empty when the user cancelled or the text is none of
// the codes (compared exactly, case included).
std::wstring PickInstrType(const std::vector<std::wstring>& codes);

}  // namespace PardeloStravon
