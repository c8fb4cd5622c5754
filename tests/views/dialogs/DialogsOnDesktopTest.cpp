// Every dialog the menus open comes up, under a window manager, visible,
// in front of the main frame, with the focus in its first field, and takes
// the first key typed. Real keys: this binary runs alone.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

#include "document/gui/MainFrameBase.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/InstrParPure.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/Tokens.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/InstrNetOpt.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/ControlAccess.h"
#include "platform/gui/SimpleComboBox.h"
#include "tests/support/DocDouble.h"
#include "tests/support/GuiTest.h"
#include "tests/views/dialogs/DesktopWindows.h"
#include "tests/views/form/FormFixture.h"
#include "views/commands/CommandDialogRunners.h"
#include "views/dialogs/Passwords.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

void Wait(std::chrono::milliseconds time) {
  const auto end = std::chrono::steady_clock::now() + time;
  while (std::chrono::steady_clock::now() < end) {
    PumpEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

// The text field of a control: an edit, or a combo box's edit field.
wxTextCtrl* FieldOf(wxWindow& control) {
  if (auto* combo = dynamic_cast<Platform::SimpleComboBox*>(&control)) return combo->Edit();
  return dynamic_cast<wxTextCtrl*>(&control);
}

class DialogsOnDesktopTest : public FormFixture {
 protected:
  static void SetUpTestSuite() {
    FormFixture::SetUpTestSuite();
    ASSERT_TRUE(StartWindowManager()) << "openbox is needed (tools/install-deps.sh installs it)";
  }
  static void TearDownTestSuite() { StopWindowManager(); }

  // The main frame as a user has it: maximised, in front, a settings form
  // open in it.
  void SetUp() override {
    FormFixture::SetUp();
    main_->Maximize(true);
    main_->Show();
    AddNode(5, InstrCodes().front());
    ASSERT_NE(Open(5), nullptr);
    main_->Raise();
    Wait(std::chrono::milliseconds(300));
  }

  // Runs the dialog through its runner and checks it as it comes up.
  void ExpectInFrontAndTyped(const std::string& name, int firstField, const std::function<void()>& run) {
    SCOPED_TRACE(name);
    bool checked = false;
    ModalDriver driver([&](wxDialog& d) {
      const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
      while (!IsActiveWindow(d) && std::chrono::steady_clock::now() < end) Wait(std::chrono::milliseconds(20));
      Wait(std::chrono::milliseconds(100));
      EXPECT_TRUE(d.IsShownOnScreen());
      EXPECT_TRUE(IsActiveWindow(d)) << "the window manager gave it the keyboard";
      EXPECT_TRUE(StackedAbove(d, *main_)) << "in front of the main frame";
      wxWindow& control = Platform::FindControl(&d, firstField, "no first field");
      wxTextCtrl* field = FieldOf(control);
      ASSERT_NE(field, nullptr);
      EXPECT_EQ(wxWindow::FindFocus(), field) << "the focus is in the first field";
      const wxString before = field->GetValue();
      wxUIActionSimulator keys;
      keys.Char('7');
      Wait(std::chrono::milliseconds(150));
      const wxString after = field->GetValue();
      EXPECT_TRUE(after == "7" || after == before + "7") << "the first key reaches the field: '" << after << "'";
      std::string file = "desktop_" + name + "_" + wxString(DictLanguages().at(CurrentLanguage()).first).ToStdString();
      std::replace(file.begin(), file.end(), ' ', '_');
      EXPECT_FALSE(SaveScreenshot(file).empty());
      checked = true;
      d.EndModal(wxID_CANCEL);
    });
    run();
    EXPECT_TRUE(checked);
    Wait(std::chrono::milliseconds(100));
  }

  CommandDialogRunners runners_;
};

TEST_F(DialogsOnDesktopTest, EveryMenuDialog_ComesUpInFrontFocusedAndTakesTheFirstKey) {
 for (std::size_t language = 0; language < DictLanguages().size(); ++language) {
  SetCurrentLanguage(language);
  TestSupport::DocDouble doc;
  doc.NetOpt().Network().InsertNew(3, Node(InstrCodes().front()));
  ExpectInFrontAndTyped("pick instrument", 1000, [&] { runners_.PickInstrument(doc, 2); });
  ExpectInFrontAndTyped("pick free address", 1000, [&] { runners_.PickInstrument(doc, 1); });
  ExpectInFrontAndTyped("pick type", 1010, [&] { runners_.PickInstrType(InstrCodes()); });
  ExpectInFrontAndTyped("from-to", 1301, [&] {
    std::time_t from = 0, to = 0;
    bool follow = false;
    runners_.PickFromTo(&from, &to, &follow);
  });
  ExpectInFrontAndTyped("global options", 1202, [&] { runners_.EditGlobalOptions(doc.NetOpt()); });
  ExpectInFrontAndTyped("edit instrument", 1100, [&] { runners_.EditNode(doc.NetOpt().Network(), 3, true, false); });
  ExpectInFrontAndTyped("rows per column", 9004, [&] {
    int out = 0;
    runners_.InputInt(44, 44, &out, DictText(CTW_ID_EDIT_ROWSPERCOLUMN));
  });
  ExpectInFrontAndTyped("line thickness", 9004, [&] {
    float out = 0;
    runners_.InputFloat(1, 1, &out, DictText(CTW_Gr_Line_Thickness));
  });
  ExpectInFrontAndTyped("date format", 9004, [&] {
    std::wstring out;
    runners_.InputText(L"%x", L"%x", &out, DictText(CTW_Date_Format));
  });
  ExpectInFrontAndTyped("login", 1216, [&] { CheckPassword(L"secret"); });
  ExpectInFrontAndTyped("change password", 1213, [&] { runners_.ChangePassword(L"secret"); });
  ExpectInFrontAndTyped("language", 1001, [&] {
    int index = 0;
    runners_.SelectLanguage(&index);
  });
 }
  SetCurrentLanguage(0);
}

// A dialog opened by a task posted to the GUI thread has no user's action
// behind it; it comes up in front all the same.
TEST_F(DialogsOnDesktopTest, DialogFromAPostedTask_ComesUpInFront) {
  TestSupport::DocDouble doc;
  bool ran = false;
  main_->CallAfter([&] {
    ExpectInFrontAndTyped("pick from a task", 1000, [&] { runners_.PickInstrument(doc, 1); });
    ran = true;
  });
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!ran && std::chrono::steady_clock::now() < end) Wait(std::chrono::milliseconds(20));
  EXPECT_TRUE(ran);
}

// The pick dialog opened by a key typed in the settings form, as Add
// instrument is: it does not stay behind the frame that took the key.
TEST_F(DialogsOnDesktopTest, DialogOpenedByAKeyInTheForm_ComesUpInFront) {
  TestSupport::DocDouble doc;
  IWFrm* form = Forms().back();
  wxTextCtrl* field = Edit(form, FindRow(form, [](const InstrParPure& p) { return p.ParIsSet(); }));
  ASSERT_NE(field, nullptr);
  bool opened = false;
  auto open = [&](wxKeyEvent& key) {
    if (key.GetKeyCode() != WXK_F6) return key.Skip();
    opened = true;
    ExpectInFrontAndTyped("pick from a key in the form", 1000, [&] { runners_.PickInstrument(doc, 1); });
  };
  main_->Bind(wxEVT_CHAR_HOOK, open);
  field->SetFocus();
  Wait(std::chrono::milliseconds(200));
  wxUIActionSimulator keys;
  keys.Char(WXK_F6);
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!opened && std::chrono::steady_clock::now() < end) Wait(std::chrono::milliseconds(20));
  main_->Unbind(wxEVT_CHAR_HOOK, open);
  EXPECT_TRUE(opened);
}

// The application's top window hidden (a splash gone, a frame not shown
// yet): the dialog finds no parent of its own and still comes up in front.
TEST_F(DialogsOnDesktopTest, DialogWithoutAShownTopWindow_ComesUpInFront) {
  wxWindow* top = wxTheApp->GetTopWindow();
  auto* hidden = new wxFrame(nullptr, wxID_ANY, L"hidden");
  wxTheApp->SetTopWindow(hidden);
  TestSupport::DocDouble doc;
  ExpectInFrontAndTyped("pick without a shown top window", 1000, [&] { runners_.PickInstrument(doc, 1); });
  wxTheApp->SetTopWindow(top);
  hidden->Destroy();
}

}  // namespace
