#include "foundation/gui/Prompts.h"

#include <stdexcept>

#include "foundation/catalogue/Dictionary.h"
#include "platform/gui/PrintTexts.h"

namespace PardeloStravon {

const std::vector<const std::wstring*>& PromptTokens() {
  static const std::vector<const std::wstring*> tokens = {
      &CTW_PR_Enter_Integer,        &CTW_PR_Enter_Number,      &CTW_PR_Enter_Date_Time, &CTW_PR_Integer_Between,
      &CTW_PR_Enter_Duration,       &CTW_PR_Duration_Between_For, &CTW_PR_Value_Between_For,
      &CTW_PR_Days_Between_For,       &CTW_PR_End_Before_Start,  &CTW_PR_No_Printer};
  return tokens;
}

std::wstring PromptText(const std::wstring& token, std::initializer_list<std::wstring> values) {
  std::wstring text = token;
  try {
    if (FindTokenPos(token).first) text = DictText(token);
  } catch (const std::out_of_range&) {
    // No language loaded: the token stands.
  }
  // One pass from the left: a value is never read for placeholders again.
  const std::vector<std::wstring> v(values);
  std::wstring out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t k = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - L'1') : v.size();
    if (text[i] == L'%' && k < v.size()) {
      out += v[k];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

namespace {

// The platform's print failure reaches the user in the current language.
const bool noPrinterTextHandedIn = (Platform::SetNoPrinterText([] { return PromptText(CTW_PR_No_Printer); }), true);

}  // namespace

}  // namespace PardeloStravon
