#include "document/gui/CommandDialogs.h"

namespace PardeloStravon {
namespace {

CommandDialogs cancelling;
CommandDialogs* installed = &cancelling;

}  // namespace

int CommandDialogs::PickInstrument(DocServices&, int) { return 0; }
std::wstring CommandDialogs::PickInstrType(const std::vector<std::wstring>&) { return L""; }
bool CommandDialogs::PickFromTo(std::time_t*, std::time_t*, bool*) { return false; }
bool CommandDialogs::EditGlobalOptions(InstrNetOpt&) { return false; }
bool CommandDialogs::EditNode(InstrNet&, int, bool, bool) { return false; }
bool CommandDialogs::InputInt(int, int, int*, const std::wstring&) { return false; }
bool CommandDialogs::InputFloat(float, float, float*, const std::wstring&) { return false; }
bool CommandDialogs::InputText(const std::wstring&, const std::wstring&, std::wstring*, const std::wstring&) {
  return false;
}
std::wstring CommandDialogs::ChangePassword(const std::wstring& stored) { return stored; }
bool CommandDialogs::SelectLanguage(int*) { return false; }
bool CommandDialogs::ChooseFont(LOGFONTW*, unsigned long*) { return false; }

CommandDialogs& Dialogs() { return *installed; }

CommandDialogs* InstallCommandDialogs(CommandDialogs* dialogs) {
  CommandDialogs* previous = installed == &cancelling ? nullptr : installed;
  installed = dialogs ? dialogs : &cancelling;
  return previous;
}

}  // namespace PardeloStravon
