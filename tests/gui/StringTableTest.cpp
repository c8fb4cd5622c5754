#include <gtest/gtest.h>

#include <wx/string.h>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/gui/StringTable.h"
#include "tests/support/CatalogueFixture.h"

using namespace PardeloStravon;

class StringTableTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { TestSupport::LoadShippedCatalogue(); }
  void TearDown() override { SetCurrentLanguage(0); }
};

TEST_F(StringTableTest, Prompts_FindTheirTokenAndRepeatedPromptsTheLastOne) {
  struct Case {
    const wchar_t* text;
    const std::wstring& token;
  };
  const Case cases[] = {
      {L"Create a new document", CTW_TBL_ID_FILE_NEW},
      {L"Edit a single instrument", CTW_TBL_ID_EDIT_EDIT},
      {L"Select the language", CTW_TBL_ID_EDIT_LANGUAGE},
      {L"Enable | Disable the status reception", CTW_TBL_ID_EDIT_RX},
      {L"Close print preview mode", CTW_TBL_AFX_IDS_PREVIEW_CLOSE},
      {L"Change the window size", CTW_TBL_AFX_IDS_SCSIZE},
      // Sixteen recent-file entries and two tiling commands share a prompt.
      {L"Open this document", CTW_TBL_ID_FILE_MRU_FILE16},
      {L"Arrange windows as non-overlapping tiles", CTW_TBL_ID_WINDOW_TILE_VERT},
  };
  for (const Case& c : cases) {
    const auto found = FindStringTableToken(CString(c.text));
    EXPECT_TRUE(found.first) << wxString(c.text);
    EXPECT_EQ(found.second, TokenPos(c.token)) << wxString(c.text);
  }
  EXPECT_EQ(StringTableTokens().size(), 50u);
}

TEST_F(StringTableTest, OtherTexts_AreNotFound) {
  for (const wchar_t* text : {L"Create a new document\nNew", L"create a new document", L"Create a new document ",
                              L"", L"Ready", L"CAP", L"NUM", L"SCRL", L"Save As", L"Open"}) {
    const auto found = FindStringTableToken(CString(text));
    EXPECT_FALSE(found.first) << wxString(text);
    EXPECT_EQ(found.second, 0u) << wxString(text);
  }
}

TEST_F(StringTableTest, Positions_GiveTheTextOfTheCurrentLanguage) {
  const auto found = FindStringTableToken(CString(L"Create a new document"));
  ASSERT_TRUE(found.first);
  const std::wstring english = DictTextAt(found.second);
  SetCurrentLanguage(1);
  const std::wstring italian = DictTextAt(found.second);
  EXPECT_FALSE(english.empty());
  EXPECT_NE(italian, english);
  EXPECT_EQ(italian, DictText(CTW_TBL_ID_FILE_NEW));
}
