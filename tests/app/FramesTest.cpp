// The frames as the user sees them: toolbar 128, the main status bar and its
// translated prompts, the key indicators, the texts of the main frame and
// its caption, the child's menu titles and panes, the About box.
#include <gtest/gtest.h>

#include <wx/filehistory.h>
#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include "app/AppTexts.h"
#include "app/CAboutDlg.h"
#include "app/MainFrame.h"
#include "app/MainStatusBar.h"
#include "document/QziDocIStd.h"
#include "document/gui/ChildFrm.h"
#include "document/gui/MenuResources.h"
#include "document/gui/MenuUi.h"
#include "document/gui/QziDocManager.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/gui/DialogControls.h"
#include "foundation/core/TextConv.h"
#include "foundation/gui/StringTable.h"
#include "network/nodes/InstrNetOpt.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/ProgramIds.h"
#include "platform/gui/ResourceIds.h"
#include "platform/gui/StringResources.h"
#include "tests/document/gui/FrameworkFixture.h"
#include "tests/support/GuiTest.h"

namespace {

using namespace PardeloStravon;
using namespace Platform;
using TestSupport::PumpEvents;

std::wstring Line(int id, int line) {
  std::wstring text = LoadStringResource(id).value_or(L"");
  for (; line > 0; --line) text.erase(0, text.find(L'\n') == std::wstring::npos ? text.size() : text.find(L'\n') + 1);
  return text.substr(0, text.find(L'\n'));
}

class FramesTest : public TestSupport::FrameworkFixture {
 protected:
  MainFrame* Main() const { return static_cast<MainFrame*>(main_); }
  QziDoc* NewDocument() {
    main_->RouteCommand(ID_FILE_NEW);
    PumpEvents();
    return OpenDoc();
  }
};

TEST_F(FramesTest, Toolbar128HoldsTheButtonsInOrderWithTheirToolTips) {
  wxToolBar* bar = main_->GetToolBar();
  ASSERT_NE(bar, nullptr);
  const int order[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT, ID_EDIT_COPY,
                       ID_EDIT_PASTE, 0, ID_FILE_PRINT_DIRECT, ID_APP_ABOUT};
  ASSERT_EQ(bar->GetToolsCount(), std::size(order));
  for (size_t i = 0; i < std::size(order); ++i) {
    SCOPED_TRACE(order[i]);
    const wxToolBarToolBase* tool = bar->GetToolByPos(static_cast<int>(i));
    if (order[i] == 0) {
      EXPECT_TRUE(tool->IsSeparator());
      continue;
    }
    EXPECT_EQ(tool->GetId(), ToWxId(order[i]));
    EXPECT_TRUE(tool->GetNormalBitmap().IsOk());
    EXPECT_EQ(tool->GetShortHelp().ToStdWstring(), Line(order[i], 1));
  }
  EXPECT_EQ(bar->GetToolShortHelp(ToWxId(ID_FILE_NEW)).ToStdWstring(), L"New");
  EXPECT_TRUE(bar->HasFlag(wxTB_FLAT));
}

TEST_F(FramesTest, ViewToolbarAndViewStatusBarShowAndHideThemWithTheirCheckMarks) {
  struct Case {
    int id;
    std::function<wxWindow*()> bar;
  };
  const Case cases[] = {{ID_VIEW_TOOLBAR, [this] { return static_cast<wxWindow*>(main_->GetToolBar()); }},
                        {ID_VIEW_STATUS_BAR, [this] { return static_cast<wxWindow*>(main_->GetStatusBar()); }}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    ASSERT_TRUE(c.bar()->IsShown());
    EXPECT_EQ(main_->QueryState(c.id).checked, std::optional<bool>(true));
    ASSERT_TRUE(main_->RouteCommand(c.id));
    EXPECT_FALSE(c.bar()->IsShown());
    EXPECT_EQ(main_->QueryState(c.id).checked, std::optional<bool>(false));
    ASSERT_TRUE(main_->RouteCommand(c.id));
    EXPECT_TRUE(c.bar()->IsShown());
  }
}

TEST_F(FramesTest, APromptIsShownInEachLanguage_AnUnknownTextAsItIs_NoneAsReady) {
  const std::wstring prompts[] = {Line(ID_FILE_NEW, 0), Line(ID_APP_ABOUT, 0), Line(ID_VIEW_TOOLBAR, 0)};
  MainStatusBar* bar = Main()->StatusBar();
  const size_t languages = DictLanguages().size();
  ASSERT_GE(languages, 2u);
  for (size_t language = 0; language < languages; ++language) {
    SCOPED_TRACE(language);
    SetCurrentLanguage(language);
    for (const std::wstring& prompt : prompts) {
      const auto found = FindStringTableToken(CString(prompt));
      ASSERT_TRUE(found.first) << std::string(prompt.begin(), prompt.end());
      Main()->DoGiveHelp(prompt, true);
      EXPECT_EQ(bar->PaneText(0), DictTextAt(found.second));
      if (language > 0) {
        EXPECT_NE(bar->PaneText(0), prompt);
      }
    }
    Main()->DoGiveHelp(L"Not a prompt of the table", true);
    EXPECT_EQ(bar->PaneText(0), L"Not a prompt of the table");
    Main()->DoGiveHelp(L"", false);
    EXPECT_EQ(bar->PaneText(0), DictText(CTW_STB_READY));
  }
}

TEST_F(FramesTest, TheKeyIndicatorsShowTheirTextsOnlyWhileTheirLockIsOn) {
  MainStatusBar* bar = Main()->StatusBar();
  bool on[3] = {};
  bar->SetLockQuery([&on](int lock) { return on[lock]; });
  const std::wstring texts[3] = {DictText(CTW_STB_CAP), DictText(CTW_STB_NUM), DictText(CTW_STB_SCRL)};
  for (int mask = 0; mask < 8; ++mask) {
    for (int i = 0; i < 3; ++i) on[i] = (mask >> i) & 1;
    bar->UpdateIndicators();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(bar->PaneText(i + 1), on[i] ? texts[i] : L"") << mask << " " << i;
  }
  EXPECT_EQ(bar->GetFieldsCount(), 4);
}

TEST_F(FramesTest, SetAllTextTranslatesTheMenuOnlyOnceTheFrameIsTheMainWindow) {
  SetCurrentLanguage(1);
  MainFrame other(manager_);
  wxMenuBar* bar = other.GetMenuBar();
  // At creation: title and panes translated, the menu not.
  EXPECT_EQ(other.GetTitle().ToStdWstring(), DictText(CTW_MAIN_FRAME_TITLE));
  EXPECT_EQ(other.StatusBar()->PaneText(0), DictText(CTW_STB_READY));
  EXPECT_EQ(bar->GetMenuLabel(0).ToStdWstring(), L"&File");
  other.RefreshAllText();
  EXPECT_EQ(bar->GetMenuLabel(0).ToStdWstring(), L"&File");
  // The main window's menu follows at every refresh; help items keep theirs.
  main_->RefreshAllText();
  wxMenuBar* mainBar = main_->GetMenuBar();
  EXPECT_EQ(mainBar->GetMenuLabelText(0).ToStdWstring(), DictText(CTW_POP_File));
  EXPECT_EQ(mainBar->GetMenuLabelText(2).ToStdWstring(), DictText(CTW_POP_Help));
  EXPECT_EQ(mainBar->FindItem(ToWxId(ID_APP_EXIT))->GetItemLabelText().ToStdWstring(), DictText(CTW_ID_APP_EXIT));
  EXPECT_EQ(mainBar->FindItem(ToWxId(ID_PROGRAM_HELP))->GetItemLabel().ToStdWstring(), L"&Glacira Monitor Help");
  // Another count of popups is a fault of the program.
  mainBar->Append(new wxMenu, L"Extra");
  try {
    main_->RefreshAllText();
    ADD_FAILURE() << "no assertion";
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find("!pMenu->GetMenuItemCount()==nPopup"), std::string::npos) << e.what();
  }
  delete mainBar->Remove(3);
  other.Destroy();
}

TEST_F(FramesTest, TheCaptionIsTheTitleAndTheOpenDocumentsTitle) {
  const std::wstring title = DictText(CTW_MAIN_FRAME_TITLE);
  Main()->UpdateCaption();
  EXPECT_EQ(main_->GetTitle().ToStdWstring(), title);
  QziDoc* doc = NewDocument();
  ASSERT_NE(doc, nullptr);
  Main()->UpdateCaption();
  EXPECT_EQ(main_->GetTitle().ToStdWstring(), title + L" - " + doc->GetTitle().ToStdWstring());
  doc->Std().SetModified(false);
  ASSERT_TRUE(doc->FileClose());
  Main()->UpdateCaption();
  EXPECT_EQ(main_->GetTitle().ToStdWstring(), title);
}

TEST_F(FramesTest, RefreshMenuTranslatesOnlyTheCountsItKnows) {
  struct Case {
    bool extraPopup;
    bool shortEdit;
    bool titlesTranslated;
    bool formatTranslated;
  };
  const Case cases[] = {
      {false, false, true, true},
      {false, true, true, false},
      {true, false, false, false},
  };
  QziDoc* doc = NewDocument();
  ASSERT_NE(doc, nullptr);
  ChildFrm* frame = main_->ActiveChildFrm();
  wxMenuBar* bar = frame->GetMenuBar();
  const std::wstring editTitle = bar->GetMenuLabel(1).ToStdWstring();
  const std::wstring formatTitle = bar->GetMenu(1)->FindItemByPosition(14)->GetItemLabel().ToStdWstring();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.extraPopup << c.shortEdit);
    SetCurrentLanguage(0);
    SetMenuItemText(bar, 1, editTitle);
    SetMenuItemText(bar->GetMenu(1), 14, formatTitle);
    if (c.extraPopup) bar->Append(new wxMenu, L"Extra");
    wxMenuItem* removed = c.shortEdit ? bar->GetMenu(1)->Remove(bar->GetMenu(1)->FindItemByPosition(21)) : nullptr;
    SetCurrentLanguage(1);
    frame->RefreshMenu();
    EXPECT_EQ(bar->GetMenuLabelText(1).ToStdWstring() == DictText(CTW_POP_Edit), c.titlesTranslated);
    EXPECT_EQ(bar->GetMenu(1)->FindItemByPosition(14)->GetItemLabelText().ToStdWstring() ==
                  DictText(CTW_POP_Format_options),
              c.formatTranslated);
    if (c.extraPopup) delete bar->Remove(5);
    if (removed) bar->GetMenu(1)->Append(removed);
  }
  SetCurrentLanguage(0);
}

TEST_F(FramesTest, TheChildsPanesOfADocumentWhoseContentIsGoneShowTheTextAlone) {
  QziDoc* doc = NewDocument();
  ASSERT_NE(doc, nullptr);
  ChildFrm* frame = main_->ActiveChildFrm();
  doc->Std().SetUserLogged(true);
  frame->SetStatusPanes(L"before");
  EXPECT_EQ(frame->StatusPane(2), L"LOG");
  // As during the close, when the last tasks still run.
  doc->GetF().reset();
  EXPECT_NO_THROW(frame->SetStatusPanes(L"closing"));
  EXPECT_EQ(frame->StatusPane(0), L"closing");
  EXPECT_EQ(frame->StatusPane(1), L"");
  EXPECT_EQ(frame->StatusPane(2), L"");
}

TEST_F(FramesTest, TheAboutBoxInEachLanguage_VersionAndOwnerStayAsTheyAre) {
  const size_t languages = DictLanguages().size();
  for (size_t language = 0; language < languages; ++language) {
    SCOPED_TRACE(language);
    SetCurrentLanguage(language);
    std::wstring caption, ok, version, owner;
    TestSupport::ModalDriver driver([&](wxDialog& d) {
      caption = d.GetTitle().ToStdWstring();
      ok = EditGetText(&d, IDOK);
      version = EditGetText(&d, IDC_ABOUT_VERSION);
      owner = EditGetText(&d, IDC_ABOUT_OWNER);
      EXPECT_FALSE(TestSupport::SaveWindowShot(d, "about_box_" + std::to_string(language)).empty());
      d.EndModal(wxID_OK);
    });
    ASSERT_TRUE(main_->RouteCommand(ID_APP_ABOUT));
    EXPECT_TRUE(driver.Acted());
    EXPECT_EQ(caption, DictText(CTW_ID_APP_ABOUT));
    EXPECT_EQ(ok, DictText(CTW_OK));
    EXPECT_EQ(version, L"doc Vantor4 rev 07");
    EXPECT_EQ(owner, OwnerNotice);
  }
  SetCurrentLanguage(0);
}

TEST_F(FramesTest, ARecentFileThatCannotBeOpenedLeavesTheList_WhileADocumentIsOpenTheyAreRefused) {
  wxFileHistory* history = manager_->GetFileHistory();
  const std::wstring good = WriteDocFile("good.qzid", false, L"");
  const std::wstring gone = FromUtf8(dir_.File("gone.qzid").string());
  history->AddFileToHistory(good);
  history->AddFileToHistory(gone);  // now first
  ASSERT_EQ(history->GetCount(), 2u);
  // A failed open shows the document's message.
  main_->RouteCommand(ID_FILE_MRU_FILE1);
  PumpEvents();
  EXPECT_EQ(OpenDoc(), nullptr);
  ASSERT_EQ(history->GetCount(), 1u);
  EXPECT_EQ(history->GetHistoryFile(0).ToStdWstring(), good);
  QziDoc* doc = NewDocument();
  ASSERT_NE(doc, nullptr);
  main_->RouteCommand(ID_FILE_MRU_FILE1);
  PumpEvents();
  EXPECT_EQ(OpenDoc(), doc);
  EXPECT_EQ(history->GetCount(), 1u);
  while (history->GetCount() > 0) history->RemoveFileFromHistory(0);
}

}  // namespace
