#include "views/dialogs/Passwords.h"

#include <wx/utils.h>

#include "foundation/core/FrameworkAdapters.h"
#include "platform/gui/ResourceIds.h"
#include "views/dialogs/DlgNewPass.h"
#include "views/dialogs/DlgPassword.h"

namespace PardeloStravon {
namespace {

class WindowAsker : public PasswordAsker {
 public:
  void MessageBeep(Beep) override { wxBell(); }

  std::optional<std::wstring> AskPassword() override {
    DlgPassword dialog(nullptr);
    if (dialog.DoModal() != Platform::IDOK) return std::nullopt;
    return ToWString(dialog.pass_);
  }

  std::optional<NewPass> AskNewPass() override {
    DlgNewPass dialog(nullptr);
    if (dialog.DoModal() != Platform::IDOK) return std::nullopt;
    return NewPass{ToWString(dialog.old_), ToWString(dialog.new_), ToWString(dialog.confirm_)};
  }
};

}  // namespace

PasswordAsker& WindowPasswordAsker() {
  static WindowAsker asker;
  return asker;
}

bool CheckPasswordDlg(const std::wstring& stored, PasswordAsker& asker) {
  if (stored.empty()) return true;
  asker.MessageBeep(PasswordAsker::Beep::Exclamation);
  const std::optional<std::wstring> typed = asker.AskPassword();
  const bool ok = typed && *typed == stored;
  asker.MessageBeep(ok ? PasswordAsker::Beep::Asterisk : PasswordAsker::Beep::Hand);
  return ok;
}

std::wstring AskNewPassword(const std::wstring& stored, PasswordAsker& asker) {
  asker.MessageBeep(PasswordAsker::Beep::Exclamation);
  const std::optional<PasswordAsker::NewPass> answer = asker.AskNewPass();
  const bool ok = answer && answer->old_ == stored && answer->new_ == answer->confirm_;
  asker.MessageBeep(ok ? PasswordAsker::Beep::Asterisk : PasswordAsker::Beep::Hand);
  return ok ? answer->new_ : stored;
}

bool CheckPassword(std::wstring stored) { return CheckPasswordDlg(stored); }

std::wstring ChangePassword(std::wstring stored) { return AskNewPassword(stored); }

}  // namespace PardeloStravon
