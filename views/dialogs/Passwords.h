#pragma once
// The document's password checks: is the typed password the stored one,
// and what is the new password to store. Passwords are in clear here and
// never reach a log.
#include <optional>
#include <string>

namespace PardeloStravon {

// The two dialogs and the beep the rules use; tests put a double in.
class PasswordAsker {
 public:
  enum class Beep { Exclamation, Asterisk, Hand };
  struct NewPass {
    std::wstring old_;
    std::wstring new_;
    std::wstring confirm_;
  };

  virtual ~PasswordAsker() = default;
  virtual void MessageBeep(Beep kind) = 0;
  // The typed text; none when the user cancelled.
  virtual std::optional<std::wstring> AskPassword() = 0;
  virtual std::optional<NewPass> AskNewPass() = 0;
};

// The real dialogs; every beep is the toolkit's one bell.
PasswordAsker& WindowPasswordAsker();

// True at once, with no dialog and no beep, when stored is empty; else
// true when the user confirms exactly the stored text (case included).
bool CheckPasswordDlg(const std::wstring& stored, PasswordAsker& asker = WindowPasswordAsker());
// Always asks; the new password when the old one matches exactly and the
// new one equals its confirmation (an empty one included), else stored.
std::wstring AskNewPassword(const std::wstring& stored, PasswordAsker& asker = WindowPasswordAsker());

bool CheckPassword(std::wstring stored);
std::wstring ChangePassword(std::wstring stored);

}  // namespace PardeloStravon
