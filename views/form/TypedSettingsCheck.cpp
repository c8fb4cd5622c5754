#include "views/form/TypedSettingsCheck.h"

#include <cwctype>
#include <optional>

#include "foundation/core/Duration.h"
#include "foundation/core/TextConv.h"
#include "foundation/gui/DataExchange.h"
#include "foundation/gui/Prompts.h"
#include "foundation/values/ValueRange.h"
#include "foundation/values/ValueText.h"

namespace PardeloStravon {
namespace {

bool Blank(const std::wstring& text) {
  for (wchar_t c : text)
    if (!std::iswspace(static_cast<wint_t>(c))) return false;
  return true;
}

bool ShownAsDuration(const TypedSetting& row) {
  return row.asDuration && IsDelay3Range(*row.range);
}

// Exactly one value of the type, read as the row shows it; nothing else.
bool ReadWhole(const TypedSetting& row, const std::wstring& text, boost::any& value) {
  if (Blank(text)) return false;
  if (!ShownAsDuration(row)) return TextToWholeValue(*row.range, text, value);
  const std::optional<long> seconds = TextToDurationStrict(text);
  return seconds && TextToWholeValue(*row.range, ToWStr(*seconds), value);
}

}  // namespace

TypedSettingResult CheckTypedSetting(const TypedSetting& row, const std::wstring& shown,
                                     const std::wstring& typed, const boost::any& stored) {
  TypedSettingResult result;
  result.value = stored;
  if (!row.editable || typed == shown) {
    // Not the user's text: read as it always was.
    TextToValueFmt(*row.range, typed, result.value, row.asDuration);
    result.accepted = true;
    return result;
  }
  boost::any read = stored;
  if (ReadWhole(row, typed, read) && ValueInRange(*row.range, read)) {
    result.accepted = true;
    result.value = read;
    return result;
  }
  result.message = TypedSettingPrompt(row);
  return result;
}

std::wstring TypedSettingPrompt(const TypedSetting& row) {
  const RTTRange& range = *row.range;
  const std::wstring min = ValueToTextFmt(range, range.Min(), row.asDuration);
  const std::wstring max = ValueToTextFmt(range, range.Max(), row.asDuration);
  return PromptText(ShownAsDuration(row) ? CTW_PR_Duration_Between_For : CTW_PR_Value_Between_For,
                    {min, max, row.label});
}

void RefuseTypedSetting(wxWindow* form, int controlId, const std::wstring& message) {
  UpdateData(form, true, [&](DataExchange& dx) { dx.Fail(controlId, message); });
}

}  // namespace PardeloStravon
