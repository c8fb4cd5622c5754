#include <gtest/gtest.h>

#include <wx/textctrl.h>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "platform/gui/CommandIds.h"
#include "tests/support/CatalogueFixture.h"
#include "tests/support/GuiTest.h"
#include "tests/views/dialogs/DialogDrive.h"
#include "tests/views/dialogs/DialogLayout.h"
#include "views/dialogs/MFCInputDlg.h"

using namespace PardeloStravon;
using TestSupport::ClickButton;
using TestSupport::ModalDriver;

namespace {

class InputDlgTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { TestSupport::LoadShippedCatalogue(); }
  void TearDown() override { SetCurrentLanguage(0); }

  template <class T>
  static bool Run(T value, T def, T* out) {
    return RunInputDlg<T>(value, def, out, L"Rows per column", L"Program form", L"OK", L"Cancel", L"Default");
  }
  static bool RunText(const std::wstring& value, const std::wstring& def, std::wstring* out) {
    return RunInputDlg(value, def, out, L"Date format", L"Graph", L"OK", L"Cancel", L"Default");
  }
  static wxTextCtrl& Edit(wxDialog& d) {
    return *dynamic_cast<wxTextCtrl*>(d.FindWindow(Platform::ToWxId(InputEditId)));
  }
  // Enter, or Ctrl+Enter, as the focused edit box receives it.
  static void PressEnter(wxDialog& d, bool ctrl) {
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = WXK_RETURN;
    key.m_controlDown = ctrl;
    key.SetEventObject(&Edit(d));
    d.GetEventHandler()->ProcessEvent(key);
  }
};

}  // namespace

TEST_F(InputDlgTest, Opens_WithTheCallersTextsAndTheItemsLayout) {
  for (std::size_t lang = 0; lang < DictLanguages().size(); ++lang) {
    SetCurrentLanguage(lang);
    const std::vector<InterfItem> items = InputDlgItems(DictText(CTW_ID_EDIT_ROWSPERCOLUMN), DictText(CTW_Default),
                                                        DictText(CTW_OK), DictText(CTW_Cancel), DictText(CTW_Default));
    ModalDriver driver([&](wxDialog& d) {
      EXPECT_EQ(d.GetTitle().ToStdWstring(), DictText(CTW_Default));
      EXPECT_EQ(d.FindWindow(Platform::ToWxId(InputLabelId))->GetLabel().ToStdWstring(), DictText(CTW_ID_EDIT_ROWSPERCOLUMN));
      EXPECT_EQ(d.FindWindow(Platform::ToWxId(InputOkId))->GetLabel().ToStdWstring(), DictText(CTW_OK));
      EXPECT_EQ(Edit(d).GetValue(), L"0.5");
      EXPECT_TRUE(Edit(d).IsMultiLine());
      TestSupport::ExpectLayoutAsItems(d, items);
      TestSupport::ShootInLanguage(d, "MFCInputDlg");
      ClickButton(d, InputCancelId);
    });
    float out = 7;
    EXPECT_FALSE(RunInputDlg<float>(0.5f, 1.0f, &out, DictText(CTW_ID_EDIT_ROWSPERCOLUMN), DictText(CTW_Default),
                                    DictText(CTW_OK), DictText(CTW_Cancel), DictText(CTW_Default)));
    EXPECT_EQ(out, 7);
    EXPECT_TRUE(driver.Acted());
  }
}

TEST_F(InputDlgTest, UserActions_DecideWhatTheCallerGets) {
  struct Case {
    const char* name;
    void (*act)(wxDialog&);
    bool confirmed;
    int out;
  };
  const Case cases[] = {
      {"Cancel after typing", [](wxDialog& d) { Edit(d).SetValue(L"99"); ClickButton(d, InputCancelId); }, false, -1},
      {"Escape after typing", [](wxDialog& d) { Edit(d).SetValue(L"99"); TestSupport::PressKey(d, WXK_ESCAPE); },
       false, -1},
      {"close box", [](wxDialog& d) { Edit(d).SetValue(L"99"); d.Close(); }, false, -1},
      {"OK unchanged", [](wxDialog& d) { ClickButton(d, InputOkId); }, true, 12},
      {"typed and OK", [](wxDialog& d) { Edit(d).SetValue(L" 99 "); ClickButton(d, InputOkId); }, true, 99},
      {"Default then OK",
       [](wxDialog& d) {
         Edit(d).SetValue(L"99");
         ClickButton(d, InputDefaultId);
         EXPECT_EQ(Edit(d).GetValue(), L"5");
         ClickButton(d, InputDefaultId);
         ClickButton(d, InputOkId);
       },
       true, 5},
      {"Default then Cancel", [](wxDialog& d) { ClickButton(d, InputDefaultId); ClickButton(d, InputCancelId); },
       false, -1},
      {"Enter", [](wxDialog& d) { Edit(d).SetValue(L"42"); PressEnter(d, false); }, true, 42},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ModalDriver driver(c.act);
    int out = -1;
    EXPECT_EQ(Run<int>(12, 5, &out), c.confirmed);
    EXPECT_EQ(out, c.out);
    EXPECT_TRUE(driver.Acted());
  }
}

// A refused number keeps the dialog open, with the focus on the edit box,
// until the user corrects it or cancels.
TEST_F(InputDlgTest, BadNumber_ShowsThePromptAndKeepsTheDialogOpen) {
  struct Case {
    bool isFloat;
    const wchar_t* text;
    const wchar_t* prompt;
  };
  const Case cases[] = {
      {false, L"12a", L"Please enter an integer."}, {false, L"1 2", L"Please enter an integer."},
      {false, L"-0", L"Please enter an integer."},  {false, L"2147483648", L"Please enter an integer."},
      {true, L"1,5", L"Please enter a number."},    {true, L"inf", L"Please enter a number."},
      {true, L"1e39", L"Please enter a number."},   {true, L".0", L"Please enter a number."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(wxString(c.text));
    std::wstring prompt;
    bool stillOpen = false;
    bool focused = false;
    ModalDriver driver([&](wxDialog& d) {
      Edit(d).SetValue(c.text);
      prompt = TestSupport::ClickAnsweringPrompt(d, InputOkId);
      stillOpen = d.IsModal();
      focused = TestSupport::FocusIsOn(d, InputEditId);
      Edit(d).SetValue(L"3");
      ClickButton(d, InputOkId);
    });
    if (c.isFloat) {
      float out = -1;
      EXPECT_TRUE(Run<float>(2.5f, 1.0f, &out));
      EXPECT_EQ(out, 3.0f);
    } else {
      int out = -1;
      EXPECT_TRUE(Run<int>(2, 1, &out));
      EXPECT_EQ(out, 3);
    }
    EXPECT_EQ(prompt, c.prompt);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(focused);
  }
}

TEST_F(InputDlgTest, TextForms_TakeAnyTextUnchanged) {
  struct Case {
    const char* name;
    std::wstring typed;
    bool ctrlEnter;
    std::wstring out;
  };
  const Case cases[] = {
      {"non-Latin text", L"\u0414\u0430\u0442\u0430 \u65E5\u4ED8 \U0001F600", false,
       L"\u0414\u0430\u0442\u0430 \u65E5\u4ED8 \U0001F600"},
      {"empty", L"", false, L""},
      {"a line break typed with Ctrl+Enter", L"%d/%m", true, L"%d/%m\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ModalDriver driver([&](wxDialog& d) {
      Edit(d).SetValue(c.typed);
      Edit(d).SetInsertionPointEnd();
      if (c.ctrlEnter) PressEnter(d, true);
      EXPECT_TRUE(d.IsModal()) << "Ctrl+Enter does not end the dialog";
      PressEnter(d, false);
    });
    std::wstring out = L"unchanged";
    EXPECT_TRUE(RunText(L"%d.%m.%Y", L"%Y", &out));
    EXPECT_EQ(out, c.out);
  }
  EXPECT_EQ(CStringToNarrow(CString(L"a\u00E9\u0141")), std::string("a\xE9\x41"));
}
