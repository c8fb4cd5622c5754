#include <gtest/gtest.h>

#include <typeinfo>

#include "foundation/gui/DialogControls.h"
#include "tests/gui/TestDialog.h"

using namespace PardeloStravon;
using TestSupport::TestDialog;

namespace {

constexpr int NoSuchId = 1099;

struct MissingCase {
  const char* name;
  void (*call)(wxWindow*);
  const char* text;
};

const MissingCase missingCases[] = {
    {"EditSetText", [](wxWindow* w) { EditSetText(w, NoSuchId, L"x"); },
     "In QZ::EditSetText(CDialog* pDlg,int id,std::wstring text)"},
    {"EditGetText", [](wxWindow* w) { EditGetText(w, NoSuchId); }, "In QZ::EditGetText(CWnd* pWnd,int id)"},
    {"ButtonSetCheck", [](wxWindow* w) { ButtonSetCheck(w, NoSuchId, true); },
     "In ButtonSetCheck(CWnd* pWnd,int id,bool check)"},
    {"ButtonGetCheck", [](wxWindow* w) { ButtonGetCheck(w, NoSuchId); }, "In QZ::ButtonGetCheck(CWnd* pWnd,int id)"},
};

}  // namespace

TEST(DialogControls, MissingControl_ThrowsBadCastWithTheHelpersTextAndChangesNothing) {
  TestDialog t;
  t.check->Set3StateValue(wxCHK_CHECKED);
  for (const MissingCase& c : missingCases) {
    SCOPED_TRACE(c.name);
    try {
      c.call(t.dialog);
      ADD_FAILURE() << "no exception";
    } catch (const std::bad_cast& e) {
      EXPECT_STREQ(e.what(), c.text);
    }
    EXPECT_EQ(t.edit->GetValue(), "start");
    EXPECT_EQ(t.check->Get3StateValue(), wxCHK_CHECKED);
    EXPECT_EQ(t.label->GetLabel(), "label");
    EXPECT_EQ(t.dialog->GetTitle(), "Test");
  }
  // A null dialog, or an identifier the command table cannot place, is as
  // missing as any other.
  EXPECT_THROW(EditGetText(nullptr, TestSupport::IdEdit), std::bad_cast);
  EXPECT_THROW(EditSetText(t.dialog, 45000, L"x"), std::bad_cast);
}

TEST(DialogControls, Texts_AreSetAndReadWhateverTheControlKind) {
  TestDialog t;
  const std::wstring text = L"Temp\u00E9rature \U0001F321 1:30";
  for (int id : {TestSupport::IdEdit, TestSupport::IdLabel, 1}) {
    EditSetText(t.dialog, id, text);
    EXPECT_EQ(EditGetText(t.dialog, id), text) << id;
  }
  EXPECT_EQ(t.edit->GetValue().ToStdWstring(), text);
  EXPECT_EQ(t.label->GetLabel().ToStdWstring(), text);
}

TEST(DialogControls, CheckStates_IndeterminateReadsAsChecked) {
  TestDialog t;
  struct Case {
    int set;
    wxCheckBoxState shown;
    bool read;
  };
  const Case cases[] = {{1, wxCHK_CHECKED, true}, {0, wxCHK_UNCHECKED, false}, {2, wxCHK_UNDETERMINED, true},
                        {true, wxCHK_CHECKED, true}, {false, wxCHK_UNCHECKED, false}};
  for (const Case& c : cases) {
    ButtonSetCheck(t.dialog, TestSupport::IdCheck, c.set);
    EXPECT_EQ(t.check->Get3StateValue(), c.shown) << c.set;
    EXPECT_EQ(ButtonGetCheck(t.dialog, TestSupport::IdCheck), c.read) << c.set;
  }
}
