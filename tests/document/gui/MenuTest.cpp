// The menus as the user sees them: counts and places, the texts of every
// item in each language when its popup opens, the check marks, the cut of
// long texts, the menu of no document, and the keys of table 128.
#include <gtest/gtest.h>

#include <wx/menu.h>

#include <map>

#include "app/MainFrame.h"
#include "document/QziDocIGph.h"
#include "document/QziDocIStd.h"
#include "document/gui/ChildFrm.h"
#include "document/gui/DocCommands.h"
#include "document/gui/MainFrameBase.h"
#include "document/gui/MenuLabels.h"
#include "document/gui/MenuResources.h"
#include "document/gui/MenuUi.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "network/nodes/InstrNetOpt.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/ProgramIds.h"
#include "platform/gui/ResourceIds.h"
#include "tests/document/gui/FrameworkFixture.h"
#include "tests/support/GuiTest.h"

namespace {

using namespace PardeloStravon;
using namespace Platform;
using TestSupport::PumpEvents;

void ForEachItem(wxMenu* menu, const std::function<void(wxMenuItem*)>& f) {
  for (size_t i = 0; i < menu->GetMenuItemCount(); ++i) {
    wxMenuItem* item = menu->FindItemByPosition(i);
    if (item->IsSubMenu()) ForEachItem(item->GetSubMenu(), f);
    else if (!item->IsSeparator()) f(item);
  }
}

TEST(MenuResources, CountsAndPlacesOfThePopups) {
  struct Case {
    int id;
    size_t popups;
  };
  for (const Case& c : {Case{IDR_MAINFRAME, 3}, Case{IDR_OPTIONS, 5}, Case{IDR_STATUS, 5}, Case{IDR_GRAPHIC, 5},
                        Case{IDR_PROGRAM, 5}}) {
    SCOPED_TRACE(c.id);
    std::unique_ptr<wxMenuBar> bar(BuildMenuBar(c.id));
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->GetMenuCount(), c.popups);
    if (c.popups == 5) {
      wxMenu* edit = bar->GetMenu(1);
      ASSERT_EQ(edit->GetMenuItemCount(), 22u);
      EXPECT_TRUE(edit->FindItemByPosition(14)->IsSubMenu());
      EXPECT_EQ(edit->FindItemByPosition(14)->GetSubMenu()->GetMenuItemCount(), 12u);
      const bool zoom = bar->FindItem(ToWxId(ID_GRAPHIC_ZOOM_IN)) != nullptr;
      EXPECT_EQ(zoom, c.id == IDR_GRAPHIC);
      EXPECT_EQ(bar->FindItem(ToWxId(ID_APP_EXIT)), nullptr);
      EXPECT_TRUE(bar->FindItem(ToWxId(ID_EDIT_RX))->IsChecked());
    } else {
      EXPECT_NE(bar->FindItem(ToWxId(ID_APP_EXIT)), nullptr);
    }
    wxMenuItem* recent = bar->FindItem(ToWxId(ID_FILE_MRU_FILE1));
    ASSERT_NE(recent, nullptr);
    EXPECT_FALSE(recent->IsEnabled());
  }
  EXPECT_EQ(BuildMenuBar(IDR_LEGACY), nullptr);
}

TEST(MenuResources, ItemsCarryTheFirstLineOfTheirPromptAsStatusText) {
  std::unique_ptr<wxMenuBar> bar(BuildMenuBar(IDR_OPTIONS));
  wxMenuItem* add = bar->FindItem(ToWxId(ID_EDIT_ADD));
  EXPECT_FALSE(add->GetHelp().empty());
  EXPECT_EQ(add->GetHelp().Find(L'\n'), wxNOT_FOUND);
}

TEST(MenuResources, EveryKeyOfTable128IsFoundAndOtherKeysAreNot) {
  for (const AccelEntry& e : AcceleratorTable())
    EXPECT_EQ(FindAccelerator(e.key, e.ctrl, e.alt, e.shift), e.id) << e.key;
  EXPECT_EQ(FindAccelerator('n', true, false, false), ID_FILE_NEW);
  EXPECT_EQ(FindAccelerator('N', false, false, false), 0);
  EXPECT_EQ(FindAccelerator('Q', true, false, false), 0);
}

class MenuTest : public TestSupport::FrameworkFixture {
 protected:
  QziDoc* NewDocument() {
    main_->RouteCommand(ID_FILE_NEW);
    PumpEvents();
    return OpenDoc();
  }
  wxMenuItem* Item(int id) { return main_->GetMenuBar()->FindItem(ToWxId(id)); }
};

TEST_F(MenuTest, EveryItemShowsItsTextInTheCurrentLanguageWhenItsPopupOpens) {
  QziDoc* doc = NewDocument();
  std::map<int, const std::wstring*> tokens;
  for (const MenuItemToken& t : MenuItemTokens()) tokens[t.id] = t.token;
  for (size_t language = 0; language < DictLanguages().size(); ++language) {
    SCOPED_TRACE(language);
    doc->Std().SetLanguage(language);
    main_->DoMenuUpdates();
    int checked = 0;
    wxMenuBar* bar = main_->GetMenuBar();
    for (size_t p = 0; p < bar->GetMenuCount(); ++p) {
      ForEachItem(bar->GetMenu(p), [&](wxMenuItem* item) {
        const int id = FromWxId(item->GetId());
        if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE16) return;
        auto it = tokens.find(id);
        ASSERT_NE(it, tokens.end()) << id;
        EXPECT_EQ(item->GetItemLabelText().ToStdWstring(), DictText(*it->second)) << id;
        EXPECT_NE(MnemonicOf(item->GetItemLabel().ToStdWstring()), 0) << id;
        ++checked;
      });
    }
    EXPECT_EQ(checked, 50);
  }
}

TEST_F(MenuTest, TheSevenCheckMarksFollowTheDocument) {
  QziDoc* doc = NewDocument();
  QziDocIStd& std = doc->Std();
  GraphOptions& g = doc->GetF()->GetIGph()->gO_;
  struct Switch {
    int id;
    std::function<void(bool)> set;
  };
  const Switch switches[] = {
      {ID_EDIT_LOGIN, [&](bool on) { std.SetUserLogged(on); }},
      {ID_EDIT_LOGIN_SUP, [&](bool on) { std.SetSupLogged(on); }},
      {ID_EDIT_RX, [&](bool on) { std.NetOpt().SetRxEnabled(on); }},
      {ID_EDIT_TROUBLESHOOT_S_COMM, [&](bool on) { std.NetOpt().SetTroubleshootSerial(on); }},
      {ID_EDIT_DATE_RIGHT_ALIGN, [&](bool on) { g.gphDRA_ = on; }},
      {ID_EDIT_GRAPHIC_SPACING, [&](bool on) { g.gphRSp_ = on; }},
      {ID_EDIT_TIME_INTERVALS_AS_DHMS, [&](bool on) { std.SetTmDhms(on); }},
  };
  for (bool on : {true, false, true}) {
    for (const Switch& s : switches) s.set(on);
    main_->DoMenuUpdates();
    for (const Switch& s : switches) EXPECT_EQ(Item(s.id)->IsChecked(), on) << s.id;
  }
  for (const Switch& s : switches) s.set(false);
  std.NetOpt().SetTroubleshootSerial(false);
}

TEST_F(MenuTest, DisabledItemsOfTheDocumentMenu) {
  NewDocument();
  main_->DoMenuUpdates();
  for (int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_VIEW_RX_STATUS, ID_VIEW_CLOSE_STATUS,
                 ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW})
    EXPECT_FALSE(Item(id)->IsEnabled()) << id;
  for (int id : {ID_EDIT_ADD, ID_FILE_SAVE, ID_WINDOW_TILE_HORZ, ID_VIEW_STATUS, ID_PROGRAM_HELP})
    EXPECT_TRUE(Item(id)->IsEnabled()) << id;
}

TEST_F(MenuTest, SetMenuItemTextShowsTheFirstHundredCharacters) {
  NewDocument();
  const std::wstring text(60, L'a');
  const std::wstring longer = text + std::wstring(90, L'b');
  wxMenuBar* bar = main_->GetMenuBar();
  EXPECT_TRUE(SetMenuItemText(bar, 1, longer));
  EXPECT_EQ(bar->GetMenuLabelText(1).ToStdWstring(), longer.substr(0, 100));
  wxMenu* edit = bar->GetMenu(1);
  EXPECT_TRUE(SetMenuItemText(edit, 14, longer));
  EXPECT_EQ(edit->FindItemByPosition(14)->GetItemLabelText().ToStdWstring(), longer.substr(0, 100));
  EXPECT_FALSE(SetMenuItemText(bar, 9, text));
}

TEST_F(MenuTest, RefreshMenuTranslatesThePopupTitlesAndKeepsTheActiveWindow) {
  QziDoc* doc = NewDocument();
  ChildFrm* first = main_->ActiveChildFrm();
  main_->RouteCommand(ID_VIEW_STATUS);
  PumpEvents();
  ChildFrm* second = main_->ActiveChildFrm();
  ASSERT_NE(first, second);
  doc->Std().SetLanguage(1);
  first->RefreshMenu();
  EXPECT_EQ(main_->ActiveChildFrm(), second);
  EXPECT_EQ(first->GetMenuBar()->GetMenuLabelText(1).ToStdWstring(), DictText(CTW_POP_Edit));
  EXPECT_EQ(first->GetMenuBar()->GetMenu(1)->FindItemByPosition(14)->GetItemLabelText().ToStdWstring(),
            DictText(CTW_POP_Format_options));
}

TEST_F(MenuTest, AfterTheCloseTheMenuOfNoDocumentIsTranslated) {
  QziDoc* doc = NewDocument();
  doc->Std().SetLanguage(1);
  doc->Std().SetModified(false);
  ASSERT_TRUE(doc->FileClose());
  PumpEvents();
  wxMenuBar* bar = main_->GetMenuBar();
  ASSERT_EQ(bar->GetMenuCount(), 3u);
  EXPECT_EQ(bar->GetMenuLabelText(0).ToStdWstring(), DictText(CTW_POP_File));
  EXPECT_EQ(Item(ID_FILE_NEW)->GetItemLabelText().ToStdWstring(), DictText(CTW_ID_FILE_NEW));
  // The manual and help items keep their resource texts.
  EXPECT_EQ(Item(ID_PROGRAM_HELP)->GetItemLabel().ToStdWstring(), L"&Glacira Monitor Help");
  EXPECT_EQ(main_->GetTitle().ToStdWstring(), DictText(CTW_MAIN_FRAME_TITLE));
}

TEST_F(MenuTest, EachKeyOfTable128RunsItsCommandOnceAndADisabledKeyStaysWithTheControl) {
  std::map<int, int> runs;
  for (const AccelEntry& e : AcceleratorTable())
    ApplicationTarget().OnCommand(e.id, [&runs, id = e.id] { ++runs[id]; });
  for (const AccelEntry& e : AcceleratorTable()) {
    runs.clear();
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = e.key;
    key.m_controlDown = e.ctrl;
    key.m_altDown = e.alt;
    key.m_shiftDown = e.shift;
    key.SetEventObject(main_);
    main_->GetEventHandler()->ProcessEvent(key);
    EXPECT_EQ(runs[e.id], 1) << e.key;
    EXPECT_FALSE(key.GetSkipped());
  }
  for (const AccelEntry& e : AcceleratorTable()) ApplicationTarget().RemoveCommand(e.id);
  AddApplicationCommands(manager_);
  // Copy has no handler: the key runs nothing and goes on to the control.
  runs.clear();
  wxKeyEvent copy(wxEVT_CHAR_HOOK);
  copy.m_keyCode = 'C';
  copy.m_controlDown = true;
  main_->GetEventHandler()->ProcessEvent(copy);
  EXPECT_TRUE(copy.GetSkipped());
  EXPECT_TRUE(runs.empty());
}

// The mnemonic of a translated text: the resource's own place when the text
// is the resource's, the resource's letter where it occurs, else the first
// letter no neighbour uses; and the shortcut the resource names.
TEST(MenuLabels, MnemonicsAndShortcutsComeFromTheResourceTextsInEveryLanguage) {
  struct Case {
    const wchar_t* text;
    const wchar_t* resource;
    const wchar_t* taken;
    const wchar_t* label;
  };
  const Case cases[] = {
      {L"File", L"&File", L"", L"&File"},
      {L"Print Setup...", L"P&rint Setup...", L"", L"P&rint Setup..."},
      {L"Chiudi", L"&Close", L"", L"&Chiudi"},
      {L"Programma strumento...", L"Progra&m\t Ctrl+M", L"", L"Progra&mma strumento..."},
      {L"Modifica", L"&Edit", L"f", L"&Modifica"},
      {L"Finestra", L"&Window", L"fmvg", L"F&inestra"},
      {L"Guida", L"&Help", L"fmvi", L"&Guida"},
      {L"Già &fatto", L"&Done", L"", L"Già &fatto"},
      {L"", L"&File", L"", L""},
  };
  for (const Case& c : cases) EXPECT_EQ(WithMnemonic(c.text, c.resource, c.taken), c.label) << c.text;
  EXPECT_EQ(ShortcutHintOf(L"Progra&m\t Ctrl+M"), L"Ctrl+M");
  EXPECT_EQ(ShortcutHintOf(L"&Options\tAlt+O"), L"Alt+O");
  EXPECT_EQ(ShortcutHintOf(L"&Close"), L"");
  EXPECT_EQ(ResourceMenuText(ID_FILE_NEW), L"&New\tCtrl+N");
  EXPECT_EQ(ResourceMenuText(ID_GRAPHIC_ZOOM_IN), L"Zoom +");
}

}  // namespace
