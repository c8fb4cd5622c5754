#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

#include <stdexcept>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/gui/DlgLanguage.h"
#include "foundation/gui/LanguageChoice.h"
#include "platform/gui/ControlAccess.h"
#include "platform/gui/SimpleComboBox.h"
#include "tests/support/CatalogueFixture.h"
#include "tests/support/GuiTest.h"

using namespace PardeloStravon;
using Platform::SimpleComboBox;
using TestSupport::ClickButton;
using TestSupport::ModalDriver;

TEST(LanguageChoice, Entries_JoinIdentifierAndNameInTableOrder) {
  EXPECT_EQ(LanguageItems({{L"it", L"Italiano"}, {L"en", L"English"}, {L"de", L"Deutsch"}}),
            (std::vector<std::wstring>{L"it : Italiano", L"en : English", L"de : Deutsch"}));
  EXPECT_TRUE(LanguageItems({}).empty());
}

TEST(LanguageChoice, Ok_ChangesTheIndexOnlyForAnotherListedLanguage) {
  const std::vector<std::wstring> items = {L"en : English", L"it : Italiano", L"en : English"};
  struct Case {
    const wchar_t* sel;
    int index;
    int result;
    int after;
  };
  const Case cases[] = {
      {L"en : English", 0, IDCANCEL, 0},   // the current language
      {L"it : Italiano", 0, IDOK, 1},      // another one
      {L"en : English", 1, IDOK, 0},       // back again
      {L"fr : Fran\u00E7ais", 1, IDCANCEL, 1},  // typed, no entry
      {L"it : italiano", 0, IDCANCEL, 0},  // comparison is exact
      {L"it : Italiano ", 0, IDCANCEL, 0},
      {L"", 0, IDCANCEL, 0},
      // Two identical entries: the second resolves to the first.
      {L"en : English", 2, IDOK, 0},
  };
  for (const Case& c : cases) {
    int index = c.index;
    EXPECT_EQ(ApplyLanguageChoice(items, c.sel, index), c.result) << wxString(c.sel) << " from " << c.index;
    EXPECT_EQ(index, c.after) << wxString(c.sel) << " from " << c.index;
  }
}

class LanguageDialogTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { TestSupport::LoadShippedCatalogue(); }
  void TearDown() override { SetCurrentLanguage(0); }

  static SimpleComboBox& Combo(wxDialog& d) {
    return dynamic_cast<SimpleComboBox&>(Platform::FindControl(&d, 1001, "no combo box"));
  }
};

TEST_F(LanguageDialogTest, Opens_WithTranslatedLabelsAndTheLanguagesInTableOrder) {
  const std::vector<DictLanguage> languages = DictLanguages();
  ASSERT_GE(languages.size(), 2u);
  std::vector<std::wstring> titles;
  for (std::size_t lang = 0; lang < languages.size(); ++lang) {
    SCOPED_TRACE(wxString(languages[lang].first));
    SetCurrentLanguage(lang);
    ModalDriver driver([&](wxDialog& d) {
      titles.push_back(d.GetTitle().ToStdWstring());
      EXPECT_EQ(d.GetTitle().ToStdWstring(), DictText(CTW_ID_PLS_SEL_LNG));
      EXPECT_EQ(d.FindWindow(wxID_OK)->GetLabel().ToStdWstring(), DictText(CTW_OK));
      EXPECT_EQ(d.FindWindow(wxID_CANCEL)->GetLabel().ToStdWstring(), DictText(CTW_Cancel));
      SimpleComboBox& combo = Combo(d);
      EXPECT_EQ(combo.GetText(), LanguageItems(languages)[lang]);
      ASSERT_EQ(combo.Count(), languages.size());
      for (unsigned i = 0; i < combo.Count(); ++i) EXPECT_EQ(combo.Item(i), LanguageItems(languages)[i]);
      EXPECT_EQ(combo.List()->GetSelection(), wxNOT_FOUND) << "no entry starts selected";
      EXPECT_FALSE(TestSupport::SaveWindowShot(d, "DlgLanguage_" + wxString(languages[lang].first).ToStdString())
                       .empty());
      ClickButton(d, IDCANCEL);
    });
    int index = static_cast<int>(lang);
    EXPECT_FALSE(SelectLanguage(&index));
    EXPECT_TRUE(driver.Acted());
  }
  EXPECT_NE(titles.front(), titles.back()) << "each language has its own caption";
}

TEST_F(LanguageDialogTest, UserActions_DecideTheResult) {
  struct Case {
    const char* name;
    int from;
    void (*act)(wxDialog&);
    bool changed;
    int after;
  };
  const Case cases[] = {
      {"Cancel", 0, [](wxDialog& d) { Combo(d).Choose(1); ClickButton(d, IDCANCEL); }, false, 0},
      {"close box", 0, [](wxDialog& d) { Combo(d).Choose(1); d.Close(); }, false, 0},
      {"Escape", 0, [](wxDialog& d) { Combo(d).Choose(1); TestSupport::PressKey(d, WXK_ESCAPE); }, false, 0},
      {"OK on the current language", 1, [](wxDialog& d) { ClickButton(d, IDOK); }, false, 1},
      {"another language and OK", 0, [](wxDialog& d) { Combo(d).Choose(1); ClickButton(d, IDOK); }, true, 1},
      {"typed text and OK", 0,
       [](wxDialog& d) {
         Combo(d).Edit()->SetValue(L"xx : Nowhere");
         ClickButton(d, IDOK);
       },
       false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ModalDriver driver(c.act);
    int index = c.from;
    EXPECT_EQ(SelectLanguage(&index), c.changed);
    EXPECT_EQ(index, c.after);
    EXPECT_TRUE(driver.Acted());
  }
}

TEST_F(LanguageDialogTest, IndexWithoutALanguage_FailsBeforeTheDialogOpens) {
  for (int index : {-1, static_cast<int>(DictLanguages().size())}) {
    ModalDriver driver([](wxDialog& d) { d.EndModal(wxID_CANCEL); });
    int kept = index;
    EXPECT_THROW(SelectLanguage(&kept), std::out_of_range) << index;
    EXPECT_EQ(kept, index);
    EXPECT_FALSE(driver.Acted());
  }
  EXPECT_THROW(SelectLanguage(nullptr), std::exception);
}
