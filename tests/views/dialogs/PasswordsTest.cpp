#include <gtest/gtest.h>

#include <functional>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/gui/DialogControls.h"
#include "platform/gui/ResourceIds.h"
#include "tests/support/CatalogueFixture.h"
#include "tests/support/GuiTest.h"
#include "tests/views/dialogs/DialogDrive.h"
#include "tests/views/dialogs/DialogLayout.h"
#include "views/dialogs/DlgNewPass.h"
#include "views/dialogs/DlgPassword.h"
#include "views/dialogs/Passwords.h"

using namespace PardeloStravon;
using Beep = PasswordAsker::Beep;
using Platform::IDCANCEL;
using Platform::IDOK;
using TestSupport::ClickButton;
using TestSupport::ModalDriver;
using TestSupport::TypeInto;

namespace {

// Answers as a user would and records what was shown and heard.
class AskerDouble : public PasswordAsker {
 public:
  void MessageBeep(Beep kind) override { beeps_.push_back(kind); }
  std::optional<std::wstring> AskPassword() override {
    ++dialogs_;
    return typed_;
  }
  std::optional<NewPass> AskNewPass() override {
    ++dialogs_;
    return newPass_;
  }

  std::optional<std::wstring> typed_;
  std::optional<NewPass> newPass_;
  std::vector<Beep> beeps_;
  int dialogs_ = 0;
};

struct CheckCase {
  const char* name;
  std::wstring stored;
  std::optional<std::wstring> typed;  // none: Cancel
  bool result;
};
const CheckCase CheckCases[] = {
    {"empty stored password", L"", L"anything", true},
    {"exact", L"Secret \u00E8", L"Secret \u00E8", true},
    {"other case", L"Secret", L"secret", false},
    {"trailing blank", L"Secret", L"Secret ", false},
    {"Cancel", L"Secret", std::nullopt, false},
};

struct ChangeCase {
  const char* name;
  std::wstring stored;
  std::optional<PasswordAsker::NewPass> typed;
  std::wstring result;
};
const ChangeCase ChangeCases[] = {
    {"changed", L"old", PasswordAsker::NewPass{L"old", L"new", L"new"}, L"new"},
    {"to empty", L"old", PasswordAsker::NewPass{L"old", L"", L""}, L""},
    {"from empty", L"", PasswordAsker::NewPass{L"", L"first", L"first"}, L"first"},
    {"wrong old", L"old", PasswordAsker::NewPass{L"Old", L"new", L"new"}, L"old"},
    {"confirmation differs", L"old", PasswordAsker::NewPass{L"old", L"new", L"New"}, L"old"},
    {"Cancel", L"old", std::nullopt, L"old"},
};

class PasswordDialogTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { TestSupport::LoadShippedCatalogue(); }
  void TearDown() override { SetCurrentLanguage(0); }
};

}  // namespace

TEST(Passwords, CheckRules_ThroughADouble) {
  for (const CheckCase& c : CheckCases) {
    SCOPED_TRACE(c.name);
    AskerDouble asker;
    asker.typed_ = c.typed;
    EXPECT_EQ(CheckPasswordDlg(c.stored, asker), c.result);
    if (c.stored.empty()) {
      EXPECT_EQ(asker.dialogs_, 0);
      EXPECT_TRUE(asker.beeps_.empty());
    } else {
      EXPECT_EQ(asker.dialogs_, 1);
      EXPECT_EQ(asker.beeps_, (std::vector<Beep>{Beep::Exclamation, c.result ? Beep::Asterisk : Beep::Hand}));
    }
  }
}

TEST(Passwords, ChangeRules_ThroughADouble) {
  for (const ChangeCase& c : ChangeCases) {
    SCOPED_TRACE(c.name);
    AskerDouble asker;
    asker.newPass_ = c.typed;
    EXPECT_EQ(AskNewPassword(c.stored, asker), c.result);
    EXPECT_EQ(asker.dialogs_, 1) << "always asks";
    const bool changed = c.typed && c.result == c.typed->new_ && c.typed->old_ == c.stored;
    EXPECT_EQ(asker.beeps_, (std::vector<Beep>{Beep::Exclamation, changed ? Beep::Asterisk : Beep::Hand}));
  }
  // A password changed to empty passes later checks without a dialog.
  AskerDouble asker;
  EXPECT_TRUE(CheckPasswordDlg(L"", asker));
  EXPECT_EQ(asker.dialogs_, 0);
}

TEST_F(PasswordDialogTest, Dialogs_OpenTranslatedWithAnEmptyCaption) {
  for (std::size_t lang = 0; lang < DictLanguages().size(); ++lang) {
    SetCurrentLanguage(lang);
    ModalDriver ask([&](wxDialog& d) {
      EXPECT_EQ(d.GetTitle(), L"");
      EXPECT_EQ(EditGetText(&d, IDOK), DictText(CTW_OK));
      EXPECT_EQ(EditGetText(&d, IDCANCEL), DictText(CTW_Cancel));
      EXPECT_EQ(EditGetText(&d, 32845), DictText(CTW_ID_PASSWORD));
      EXPECT_EQ(EditGetText(&d, 1216), L"");
      TestSupport::ExpectLayoutAsItems(d, DlgPasswordItems());
      TypeInto(d, 1216, L"pw");
      TestSupport::ShootInLanguage(d, "DlgPassword");
      ClickButton(d, IDOK);
    });
    EXPECT_TRUE(CheckPassword(L"pw"));
    ModalDriver change([&](wxDialog& d) {
      EXPECT_EQ(d.GetTitle(), L"");
      EXPECT_EQ(EditGetText(&d, IDOK), DictText(CTW_OK));
      EXPECT_EQ(EditGetText(&d, 32846), DictText(CTW_ID_OLD_PASSWORD));
      EXPECT_EQ(EditGetText(&d, 32847), DictText(CTW_ID_NEW_PASSWORD));
      EXPECT_EQ(EditGetText(&d, 32848), DictText(CTW_ID_CONFIRM_PASSWORD));
      TestSupport::ExpectLayoutAsItems(d, DlgNewPassItems());
      TestSupport::ShootInLanguage(d, "DlgNewPass");
      ClickButton(d, IDCANCEL);
    });
    EXPECT_EQ(ChangePassword(L"pw"), L"pw");
  }
}

TEST_F(PasswordDialogTest, CheckPassword_ThroughTheDialog) {
  for (const CheckCase& c : CheckCases) {
    SCOPED_TRACE(c.name);
    ModalDriver driver([&](wxDialog& d) {
      if (!c.typed) return ClickButton(d, IDCANCEL);
      TypeInto(d, 1216, *c.typed);
      TestSupport::PressKey(d, WXK_RETURN);
    });
    EXPECT_EQ(CheckPassword(c.stored), c.result);
    EXPECT_EQ(driver.Acted(), !c.stored.empty()) << "a dialog only for a stored password";
  }
}

TEST_F(PasswordDialogTest, ChangePassword_ThroughTheDialog) {
  for (const ChangeCase& c : ChangeCases) {
    SCOPED_TRACE(c.name);
    ModalDriver driver([&](wxDialog& d) {
      if (!c.typed) return ClickButton(d, IDCANCEL);
      TypeInto(d, 1213, c.typed->old_);
      TypeInto(d, 1214, c.typed->new_);
      TypeInto(d, 1215, c.typed->confirm_);
      ClickButton(d, IDOK);
    });
    EXPECT_EQ(ChangePassword(c.stored), c.result);
    EXPECT_TRUE(driver.Acted());
  }
}
