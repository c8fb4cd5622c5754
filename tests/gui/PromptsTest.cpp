// Every prompt the program adds to the system's texts is a token of the
// shipped tables, translated in every language and chosen by the current one.
#include <gtest/gtest.h>

#include <wx/string.h>

#include <algorithm>
#include <regex>
#include <string>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/gui/DataExchange.h"
#include "foundation/gui/Prompts.h"
#include "platform/gui/PrintTexts.h"
#include "tests/support/CatalogueFixture.h"

using namespace PardeloStravon;

namespace {

class PromptsTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { TestSupport::LoadShippedCatalogue(); }
  void TearDown() override { SetCurrentLanguage(0); }
};

// The placeholders a text holds, in order of appearance.
std::wstring Placeholders(const std::wstring& text) {
  std::wstring marks;
  const std::wregex mark(L"%[0-9]");
  for (auto it = std::wsregex_iterator(text.begin(), text.end(), mark); it != std::wsregex_iterator(); ++it)
    marks += it->str();
  std::sort(marks.begin(), marks.end());
  return marks;
}

TEST_F(PromptsTest, EveryAddedPrompt_IsInTheTokenTableAndTranslatedInEveryLanguage) {
  ASSERT_GE(DictLanguages().size(), 2u);
  for (const std::wstring* token : PromptTokens()) {
    SCOPED_TRACE(wxString(*token).ToStdString());
    ASSERT_TRUE(FindTokenPos(*token).first) << "in tblToTranslate.xml";
    std::vector<std::wstring> texts;
    for (std::size_t language = 0; language < DictLanguages().size(); ++language) {
      SetCurrentLanguage(language);
      const std::wstring& text = DictText(*token);
      EXPECT_FALSE(text.empty() || text == L"_" || text == *token) << "language " << language;
      texts.push_back(text);
    }
    // Each language takes the same values, and says it in its own words.
    for (std::size_t language = 1; language < texts.size(); ++language) {
      EXPECT_EQ(Placeholders(texts[language]), Placeholders(texts[0])) << "language " << language;
      EXPECT_NE(texts[language], texts[0]) << "language " << language;
    }
  }
}

TEST_F(PromptsTest, PromptText_TakesTheCurrentLanguageAndItsValues) {
  const struct {
    std::size_t language;
    std::wstring text;
  } cases[] = {
      {0, L"Please enter an integer between -5 and 7."},
      {1, L"Inserire un numero intero compreso tra -5 e 7."},
  };
  for (const auto& c : cases) {
    SetCurrentLanguage(c.language);
    EXPECT_EQ(RangePrompt(-5, 7), c.text);
    EXPECT_EQ(PromptText(CTW_PR_Integer_Between, {L"-5", L"7"}), c.text);
    // The platform's print failure reaches the user in the same language.
    EXPECT_EQ(Platform::NoPrinterText(), DictText(CTW_PR_No_Printer));
  }
  SetCurrentLanguage(1);
  EXPECT_EQ(PromptText(CTW_PR_Value_Between_For, {L"%3", L"9", L"%1 Soglia"}),
            L"Inserire un valore compreso tra %3 e 9 per \"%1 Soglia\".")
      << "a value holding a placeholder is not read again";
  EXPECT_EQ(PromptText(L"CTW_PR_Not_In_The_Tables"), L"CTW_PR_Not_In_The_Tables");
}

}  // namespace
