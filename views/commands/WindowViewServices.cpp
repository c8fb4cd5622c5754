#include "views/commands/WindowViewServices.h"

#include "views/dialogs/Passwords.h"

namespace PardeloStravon {

bool WindowViewServices::CheckPassword(const std::wstring& stored) { return PardeloStravon::CheckPassword(stored); }

}  // namespace PardeloStravon
