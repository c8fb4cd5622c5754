#include "views/commands/CommandDialogRunners.h"

#include "document/gui/MainFrameBase.h"
#include "foundation/catalogue/Dictionary.h"
#include "platform/gui/FontDialog.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/gui/DlgLanguage.h"
#include "views/dialogs/FromToPick.h"
#include "views/dialogs/InstrEdit.h"
#include "views/dialogs/InstrEditGlobal.h"
#include "views/dialogs/InstrPick.h"
#include "views/dialogs/InstrType.h"
#include "views/dialogs/MFCInputDlg.h"
#include "views/dialogs/Passwords.h"

namespace PardeloStravon {

int CommandDialogRunners::PickInstrument(DocServices& doc, int mode) {
  return PardeloStravon::PickInstrument(doc, mode);
}

std::wstring CommandDialogRunners::PickInstrType(const std::vector<std::wstring>& codes) {
  return PardeloStravon::PickInstrType(codes);
}

bool CommandDialogRunners::PickFromTo(std::time_t* from, std::time_t* to, bool* follow) {
  return PardeloStravon::PickFromTo(from, to, follow);
}

bool CommandDialogRunners::EditGlobalOptions(InstrNetOpt& netOpt) {
  return PardeloStravon::EditGlobalOptions(netOpt);
}

bool CommandDialogRunners::EditNode(InstrNet& net, int address, bool supervisor, bool dhms) {
  return PardeloStravon::EditNode(net, address, supervisor, dhms);
}

bool CommandDialogRunners::InputInt(int value, int def, int* out, const std::wstring& text) {
  return RunInputDlg<int>(value, def, out, text, text, DictText(CTW_OK), DictText(CTW_Cancel),
                          DictText(CTW_Default));
}

bool CommandDialogRunners::InputFloat(float value, float def, float* out, const std::wstring& text) {
  return RunInputDlg<float>(value, def, out, text, text, DictText(CTW_OK), DictText(CTW_Cancel),
                            DictText(CTW_Default));
}

bool CommandDialogRunners::InputText(const std::wstring& value, const std::wstring& def, std::wstring* out,
                                     const std::wstring& text) {
  return RunInputDlg(value, def, out, text, text, DictText(CTW_OK), DictText(CTW_Cancel), DictText(CTW_Default));
}

std::wstring CommandDialogRunners::ChangePassword(const std::wstring& stored) { return AskNewPassword(stored); }

bool CommandDialogRunners::ChooseFont(LOGFONTW* font, unsigned long* colour) {
  COLORREF c = static_cast<COLORREF>(*colour);
  if (!Platform::ChooseFont(TheMainFrame(), font, &c)) return false;
  *colour = c;
  return true;
}

bool CommandDialogRunners::SelectLanguage(int* index) { return PardeloStravon::SelectLanguage(index); }

}  // namespace PardeloStravon
