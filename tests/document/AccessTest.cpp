// Who may change the document: the user access check and supervisor access
// over every combination of passwords, logins and the dialog's answer, and
// which setters mark the document modified.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "document/Access.h"
#include "document/QziDocIStd.h"
#include "tests/support/DocumentFixture.h"

using namespace PardeloStravon;
using namespace DocumentTest;

namespace {

enum class Dialog { typedRight, typedWrong, notInstalled };

struct AccessCase {
  bool userPass;  // a user password is stored
  bool userLogged;
  bool supLogged;
  bool supPass;  // a supervisor password is stored
  Dialog dialog;
};

std::string Describe(const AccessCase& c) {
  static const char* dialogs[] = {"typed right", "typed wrong", "not installed"};
  return std::string(c.userPass ? "user password" : "no user password") +
         (c.userLogged ? ", user logged" : "") + (c.supLogged ? ", supervisor logged" : "") +
         (c.supPass ? ", supervisor password" : ", no supervisor password") + ", dialog " +
         dialogs[static_cast<int>(c.dialog)];
}

class Access : public DocumentFixture {};

TEST_F(Access, UserAndSupervisorAccessOverEveryCombination) {
  for (int bits = 0; bits < 16; ++bits)
    for (Dialog dialog : {Dialog::typedRight, Dialog::typedWrong, Dialog::notInstalled}) {
      const AccessCase c{bool(bits & 1), bool(bits & 2), bool(bits & 4), bool(bits & 8), dialog};
      SCOPED_TRACE(Describe(c));
      std::optional<ViewsDouble> views;
      if (dialog != Dialog::notInstalled) {
        views.emplace(shell_);
        views->answer_ =
            dialog == Dialog::typedRight ? ViewsDouble::typedRight : ViewsDouble::typedWrong;
      } else {
        // Nothing installed: the stand-in that any test double replaced.
        InstallViewServices(nullptr);
      }
      Make();
      QziDocIStd& doc = Std();
      const std::wstring pass = c.userPass ? L"secret" : L"";
      doc.SetPass(pass);
      doc.SetPassSup(c.supPass ? L"boss" : L"");
      doc.SetUserLogged(c.userLogged);
      doc.SetSupLogged(c.supLogged);

      const bool logged = c.userLogged || c.supLogged;
      const bool expected = logged || !c.userPass || dialog == Dialog::typedRight;
      EXPECT_EQ(CheckUserAccess(doc), expected);
      if (views) {
        // Asked only when nobody is logged in, and then for the user password.
        EXPECT_EQ(views->asked_,
                  logged ? std::vector<std::wstring>{} : std::vector<std::wstring>{pass});
      }
      EXPECT_EQ(HasSupervisorAccess(doc), c.supLogged || !c.supPass);
      EXPECT_EQ(doc.IsUserLogged(), c.userLogged);
      EXPECT_EQ(doc.IsSupLogged(), c.supLogged);
      // Twice in a row asks twice: the check logs nobody in.
      if (views && !logged) {
        CheckUserAccess(doc);
        EXPECT_EQ(views->asked_.size(), 2u);
      }
      if (dialog == Dialog::notInstalled) InstallViewServices(&views_);
    }
}

TEST_F(Access, CheckPassAsksForTheStoredPasswordOfEach) {
  Make();
  Std().SetPass(L"user");
  Std().SetPassSup(L"sup");
  views_.answer_ = ViewsDouble::typedRight;
  EXPECT_TRUE(Std().CheckPass());
  EXPECT_TRUE(Std().CheckPassSup());
  views_.answer_ = ViewsDouble::typedWrong;
  EXPECT_FALSE(Std().CheckPass());
  EXPECT_FALSE(Std().CheckPassSup());
  EXPECT_EQ(views_.asked_, (std::vector<std::wstring>{L"user", L"sup", L"user", L"sup"}));
}

struct SetterCase {
  const char* name;
  std::function<void(QziDocIStd&)> set;
  bool marksModified;
};

TEST_F(Access, SettersMarkTheDocumentModifiedAsTheirRulesSay) {
  const SetterCase cases[] = {
      {"SetPass", [](QziDocIStd& d) { d.SetPass(L"a"); }, true},
      {"SetPass, same password", [](QziDocIStd& d) { d.SetPass(d.GetPass()); }, true},
      {"SetPassSup", [](QziDocIStd& d) { d.SetPassSup(L"b"); }, true},
      {"SetPassSup, same password", [](QziDocIStd& d) { d.SetPassSup(d.GetPassSup()); }, true},
      {"SetLanguage", [](QziDocIStd& d) { d.SetLanguage(d.GetLanguage()); }, true},
      {"SetUserLogged", [](QziDocIStd& d) { d.SetUserLogged(true); }, false},
      {"SetSupLogged", [](QziDocIStd& d) { d.SetSupLogged(true); }, false},
      {"SetPrgRows", [](QziDocIStd& d) { d.SetPrgRows(30); }, false},
      {"SetTmDhms", [](QziDocIStd& d) { d.SetTmDhms(false); }, false},
  };
  for (const SetterCase& c : cases) {
    SCOPED_TRACE(c.name);
    Make();
    c.set(Std());
    EXPECT_EQ(Std().IsModified(), c.marksModified);
  }
}

}  // namespace
