// The program as a desktop user meets it, under a window manager, through
// real keys: the start-up layout, the menus' mnemonics, the keys with no
// document, the recent files, and a text field that keeps its editing keys.
// The keys go to whichever window holds the display's focus: these tests
// run alone.
#include <gtest/gtest.h>

#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/modalhook.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

#include "document/gui/ChildFrm.h"
#include "document/gui/MenuLabels.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/Node.h"
#include "platform/gui/MenuShortcutHint.h"
#include "tests/app/StartupFixture.h"
#include "views/form/PrgView.h"

namespace {

using namespace StartupTesting;

// Every modal dialog that comes up, native ones included; each is cancelled
// once it is seen.
struct DialogWatch : wxModalDialogHook {
  std::vector<wxString> titles;
  std::vector<bool> fileDialogs;
  std::vector<wxDialog*> seen;
  DialogWatch() { Register(); }
  ~DialogWatch() override { Unregister(); }
  int Enter(wxDialog* dialog) override {
    // A native dialog is announced by its own class and by its base.
    if (std::find(seen.begin(), seen.end(), dialog) != seen.end()) return wxID_NONE;
    seen.push_back(dialog);
    titles.push_back(dialog->GetTitle());
    fileDialogs.push_back(dynamic_cast<wxFileDialog*>(dialog) != nullptr);
    wxTheApp->CallAfter([dialog] {
      TestSupport::SaveScreenshot("desktop_dialog_" + std::to_string(reinterpret_cast<std::uintptr_t>(dialog) % 1000));
      if (dialog->IsModal())
        dialog->EndModal(wxID_CANCEL);
      else
        Platform::EndNativeDialog(*dialog, false);
    });
    return wxID_NONE;
  }
  void Exit(wxDialog*) override {}
};

class DesktopTest : public StartupTest {
 protected:
  // Starts the program on the arguments; the main frame once the window
  // manager has maximised it, or null when start-up failed.
  MainFrame* Start(const std::vector<std::wstring>& arguments = {L"-nologo"}) {
    setenv("COM1", folder_.File("no-port").c_str(), 1);
    SetApplicationArguments(arguments);
    if (!theApp->StartUp()) return nullptr;
    MainFrame* main = theApp->Main();
    WaitFor([&] { return main->IsMaximized(); });
    return main;
  }

  // Closes the open document; the menu of no document shows, and the frame
  // has the focus.
  bool CloseDocument() {
    if (!OpenDoc()) return false;
    OpenDoc()->Std().SetModified(false);
    if (!OpenDoc()->FileClose()) return false;
    Settle(500);
    Focus();
    return true;
  }

  // The main frame in front, with the display's focus, as after a click.
  void Focus() {
    MainFrame* main = theApp->Main();
    main->Raise();
    main->SetFocus();
    Settle(300);
  }

  wxUIActionSimulator keys_;
};

TEST_F(DesktopTest, AtStartUpTheMaximisedFrameShowsTheOptionsAndTheStatusViewEachWithItsRows) {
  MainFrame* main = Start({L"-nologo", DemoDocument()});
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(main->IsMaximized());
  ExpectBothViewsWithRows(*main, "desktop_startup_layout");
  const wxRect display = wxGetClientDisplayRect();
  EXPECT_GE(main->GetScreenRect().GetWidth(), display.GetWidth() * 9 / 10) << "the frame is not maximised";
}

TEST_F(DesktopTest, AltAndTheLetterOpenThePopup_ItemsShowTheirShortcutsAndTheBarsCheckMarks) {
  MainFrame* main = Start();
  ASSERT_NE(main, nullptr);
  Focus();
  wxMenu* opened = nullptr;
  main->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) {
    if (!opened) opened = event.GetMenu();
    event.Skip();
  });
  wxMenuBar* bar = main->GetMenuBar();
  ASSERT_EQ(bar->GetMenuCount(), 5u);
  for (unsigned i = 0; i < bar->GetMenuCount(); ++i) EXPECT_NE(MnemonicOf(bar->GetMenuLabel(i).ToStdWstring()), 0);
  keys_.Char('e', wxMOD_ALT);
  EXPECT_TRUE(WaitFor([&] { return opened != nullptr; }));
  EXPECT_EQ(opened, bar->GetMenu(1));
  Settle(300);
  TestSupport::SaveScreenshot("desktop_alt_e_edit_popup");
  keys_.Char(WXK_ESCAPE);
  Settle(300);
  // The hints come from the resource texts, in both languages alike.
  const wxMenuItem* add = bar->FindItem(Platform::ToWxId(Platform::ID_EDIT_ADD));
  ASSERT_NE(add, nullptr);
  EXPECT_EQ(Platform::ShownShortcutHint(*add), L"Ctrl+A");
  const wxMenuItem* graph = bar->FindItem(Platform::ToWxId(Platform::ID_VIEW_GRAPHIC));
  ASSERT_NE(graph, nullptr);
  EXPECT_EQ(Platform::ShownShortcutHint(*graph), L"Alt+G");

  opened = nullptr;
  keys_.Char('v', wxMOD_ALT);
  EXPECT_TRUE(WaitFor([&] { return opened != nullptr; }));
  EXPECT_EQ(opened, bar->GetMenu(2));
  Settle(300);
  EXPECT_TRUE(bar->FindItem(Platform::ToWxId(Platform::ID_VIEW_TOOLBAR))->IsChecked());
  EXPECT_TRUE(bar->FindItem(Platform::ToWxId(Platform::ID_VIEW_STATUS_BAR))->IsChecked());
  TestSupport::SaveScreenshot("desktop_alt_v_view_popup");
  keys_.Char(WXK_ESCAPE);
  Settle(300);

  // In Italian every popup has a letter of its own: Alt+M opens Modifica,
  // Alt+I Finestra (F is File's); the items keep their shortcuts.
  OpenDoc()->Std().SetLanguage(1);
  Settle(500);
  Focus();
  const wchar_t* italian[] = {L"&File", L"&Modifica", L"&Visualizza", L"F&inestra", L"&Guida"};
  for (unsigned i = 0; i < 5; ++i) EXPECT_EQ(bar->GetMenuLabel(i).ToStdWstring(), italian[i]);
  opened = nullptr;
  keys_.Char('m', wxMOD_ALT);
  EXPECT_TRUE(WaitFor([&] { return opened != nullptr; }));
  EXPECT_EQ(opened, bar->GetMenu(1));
  Settle(300);
  EXPECT_EQ(add->GetItemLabelText().ToStdWstring(), DictText(CTW_ID_EDIT_ADD));
  EXPECT_EQ(Platform::ShownShortcutHint(*add), L"Ctrl+A");
  TestSupport::SaveScreenshot("desktop_alt_m_edit_popup_italian");
  keys_.Char(WXK_ESCAPE);
  Settle(300);
  OpenDoc()->Std().SetLanguage(0);
  Settle(300);

  // With no document: Alt+F opens File.
  ASSERT_TRUE(CloseDocument());
  opened = nullptr;
  keys_.Char('f', wxMOD_ALT);
  EXPECT_TRUE(WaitFor([&] { return opened != nullptr; }));
  EXPECT_EQ(opened, main->GetMenuBar()->GetMenu(0));
  Settle(300);
  TestSupport::SaveScreenshot("desktop_alt_f_no_document");
  keys_.Char(WXK_ESCAPE);
  Settle(300);
}

TEST_F(DesktopTest, WithNoDocumentCtrlOOpensTheFileDialog_AndARecentFileOpensFromTheFileMenu) {
  const std::wstring path = DemoDocument();
  MainFrame* main = Start({L"-nologo", path});
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(CloseDocument());
  {
    DialogWatch watch;
    keys_.Char('o', wxMOD_CONTROL);
    EXPECT_TRUE(WaitFor([&] { return !watch.fileDialogs.empty(); }));
    ASSERT_EQ(watch.fileDialogs.size(), 1u);
    EXPECT_TRUE(watch.fileDialogs[0]);
    Settle(500);
  }
  EXPECT_EQ(OpenDoc(), nullptr);

  // The recent file stands first in the menu of no document.
  wxMenu* file = main->GetMenuBar()->GetMenu(0);
  wxMenuItem* first = file->FindItem(Platform::ToWxId(Platform::ID_FILE_MRU_FILE1));
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->IsEnabled());
  EXPECT_NE(first->GetItemLabelText().ToStdWstring().find(path), std::wstring::npos);
  Focus();
  keys_.Char('f', wxMOD_ALT);
  Settle(700);
  TestSupport::SaveScreenshot("desktop_recent_files_no_document");
  keys_.Char('1');
  EXPECT_TRUE(WaitFor([&] { return OpenDoc() != nullptr; }));
  ASSERT_NE(OpenDoc(), nullptr);
  EXPECT_EQ(OpenDoc()->GetFilename().ToStdWstring(), path);
}

TEST_F(DesktopTest, CtrlNWithNoDocumentMakesANewOne) {
  ASSERT_NE(Start(), nullptr);
  ASSERT_TRUE(CloseDocument());
  keys_.Char('n', wxMOD_CONTROL);
  EXPECT_TRUE(WaitFor([&] { return OpenDoc() != nullptr; }));
}

TEST_F(DesktopTest, CtrlAInASettingsFormFieldSelectsItsText_AndOpensNoDialog) {
  ASSERT_NE(Start({L"-nologo", DemoDocument()}), nullptr);
  OpenDoc()->Std().NetOpt().Network().GetPresent(1).OpenProgramForm(OpenDoc()->Std(), 1);
  ChildFrm* form = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (form = FrameOf<PrgView>()) != nullptr; }));
  Settle(500);
  // The first field the user can type in.
  std::function<wxTextCtrl*(wxWindow*)> firstField = [&](wxWindow* w) -> wxTextCtrl* {
    if (auto* text = dynamic_cast<wxTextCtrl*>(w); text && text->IsEditable() && text->IsShownOnScreen()) return text;
    for (wxWindow* child : w->GetChildren())
      if (wxTextCtrl* found = firstField(child)) return found;
    return nullptr;
  };
  wxTextCtrl* field = firstField(form);
  ASSERT_NE(field, nullptr);
  Focus();
  field->SetFocus();
  field->ChangeValue(L"12.5");
  field->SetInsertionPointEnd();
  Settle(300);
  ASSERT_EQ(wxWindow::FindFocus(), field);
  DialogWatch watch;
  keys_.Char('a', wxMOD_CONTROL);
  Settle(500);
  EXPECT_TRUE(watch.titles.empty()) << "a dialog came up: " << watch.titles.front();
  long from = 0, to = 0;
  field->GetSelection(&from, &to);
  EXPECT_EQ(from, 0);
  EXPECT_EQ(to, 4);
  TestSupport::SaveScreenshot("desktop_ctrl_a_in_form_field");
  keys_.Char('7');
  Settle(300);
  EXPECT_EQ(field->GetValue().ToStdWstring(), L"7");
}

}  // namespace
