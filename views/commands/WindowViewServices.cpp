#include "views/commands/WindowViewServices.h"

#include "views/dialogs/Passwords.h"
#include "views/form/IWFrm.h"

namespace PardeloStravon {

bool WindowViewServices::CheckPassword(const std::wstring& stored) { return PardeloStravon::CheckPassword(stored); }

void WindowViewServices::OpenSettingsForm(QziDoc* doc, int address) { NewIWFrm(doc, address)->OpenWin(); }

}  // namespace PardeloStravon
