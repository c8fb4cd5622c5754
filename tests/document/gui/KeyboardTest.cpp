// The keys and popups as the display delivers them. XTest sends its events
// to whichever window holds the display's focus, so these tests run alone:
// a window of a test running beside them would take the keys.
#include <gtest/gtest.h>

#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <filesystem>
#include <memory>

#include "app/MainFrame.h"
#include "document/QziDocIStd.h"
#include "document/gui/ChildFrm.h"
#include "document/gui/MainFrameBase.h"
#include "document/gui/MenuResources.h"
#include "document/gui/MenuUi.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/ProgramIds.h"
#include "platform/gui/ResourceIds.h"
#include "tests/document/gui/FrameworkFixture.h"
#include "tests/support/GuiTest.h"

namespace {

using namespace PardeloStravon;
using namespace Platform;
using TestSupport::PumpEvents;

class KeyboardTest : public TestSupport::FrameworkFixture {
 protected:
  QziDoc* NewDocument() {
    main_->RouteCommand(ID_FILE_NEW);
    PumpEvents();
    return OpenDoc();
  }
  wxMenuItem* Item(int id) { return main_->GetMenuBar()->FindItem(ToWxId(id)); }
};

TEST_F(KeyboardTest, TheClipboardKeysStayWithAFocusedEditBox) {
  NewDocument();
  auto* edit = new wxTextCtrl(main_->ActiveChildFrm(), wxID_ANY, L"abc");
  main_->ActiveChildFrm()->SetViewWindow(edit);
  PumpEvents();
  edit->SetFocus();
  edit->SelectAll();
  PumpEvents();
  wxUIActionSimulator keys;
  keys.Char('c', wxMOD_CONTROL);
  PumpEvents();
  edit->SetInsertionPointEnd();
  keys.Char('v', wxMOD_CONTROL);
  PumpEvents();
  EXPECT_EQ(edit->GetValue().ToStdWstring(), L"abcabc");
}

TEST_F(KeyboardTest, TheEditPopupOpenWithItsCheckMarks) {
  QziDoc* doc = NewDocument();
  doc->Std().SetUserLogged(true);
  doc->Std().SetTmDhms(true);
  main_->SetSize(900, 700);
  PumpEvents();
  // A free copy of the Edit popup: a popup of a bar cannot pop up alone.
  std::unique_ptr<wxMenuBar> bar(BuildMenuBar(IDR_OPTIONS));
  std::unique_ptr<wxMenu> edit(bar->Remove(1));
  wxTimer shot;
  shot.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
    TestSupport::SaveScreenshot("edit_popup_open");
    wxUIActionSimulator().Char(WXK_ESCAPE);
  });
  shot.StartOnce(700);
  main_->PopupMenu(edit.get(), 20, 20);
  EXPECT_TRUE(edit->FindItem(ToWxId(ID_EDIT_LOGIN))->IsChecked());
  EXPECT_FALSE(edit->FindItem(ToWxId(ID_EDIT_LOGIN_SUP))->IsChecked());
  PumpEvents();
  EXPECT_TRUE(std::filesystem::exists(TestSupport::ArtifactDir() / "edit_popup_open.png"));
  doc->Std().SetUserLogged(false);
}

}  // namespace
