#pragma once
// The dialogs' runners behind the document commands' dialog interface.
#include "document/gui/CommandDialogs.h"

namespace PardeloStravon {

class CommandDialogRunners : public CommandDialogs {
 public:
  int PickInstrument(DocServices& doc, int mode) override;
  std::wstring PickInstrType(const std::vector<std::wstring>& codes) override;
  bool PickFromTo(std::time_t* from, std::time_t* to, bool* follow) override;
  bool EditGlobalOptions(InstrNetOpt& netOpt) override;
  bool InputInt(int value, int def, int* out, const std::wstring& text) override;
  bool InputFloat(float value, float def, float* out, const std::wstring& text) override;
  bool InputText(const std::wstring& value, const std::wstring& def, std::wstring* out,
                 const std::wstring& text) override;
  std::wstring ChangePassword(const std::wstring& stored) override;
  bool SelectLanguage(int* index) override;
  // Owned by the main frame.
  bool ChooseFont(LOGFONTW* font, unsigned long* colour) override;
  bool EditNode(InstrNet& net, int address, bool supervisor, bool dhms) override;
};

}  // namespace PardeloStravon
