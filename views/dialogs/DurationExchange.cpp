#include "views/dialogs/DurationExchange.h"

#include <cwchar>
#include <optional>

#include "foundation/core/Duration.h"
#include "foundation/core/TextConv.h"
#include "foundation/gui/DataExchange.h"
#include "foundation/gui/DialogControls.h"
#include "foundation/gui/Prompts.h"

namespace PardeloStravon {
namespace {

// A piece that the strict reading took: blank or one whole number.
long long Piece(const std::wstring& piece) {
  const auto first = piece.find_first_not_of(L" \t");
  return first == std::wstring::npos ? 0 : std::wcstoll(piece.c_str() + first, nullptr, 10);
}

// The seconds a strict duration text names, before any limit: days before
// the first blank, then hours, minutes and seconds from the right.
long long UnlimitedSeconds(const std::wstring& text) {
  std::wstring rest = text;
  const auto first = rest.find_first_not_of(L" \t");
  rest = first == std::wstring::npos ? std::wstring() : rest.substr(first);
  long long days = 0;
  if (const auto blank = rest.find(L' '); blank != std::wstring::npos) {
    days = Piece(rest.substr(0, blank));
    rest.erase(0, blank + 1);
  }
  long long total = 0;
  std::size_t from = 0;
  for (;;) {
    const auto colon = rest.find(L':', from);
    total = total * 60 + Piece(rest.substr(from, colon == std::wstring::npos ? colon : colon - from));
    if (colon == std::wstring::npos) break;
    from = colon + 1;
  }
  return days * 86400 + total;
}

std::wstring BoundText(long seconds, bool dhms) { return dhms ? DurationToText(seconds) : ToWStr(seconds); }

}  // namespace

std::wstring DurationPrompt() { return PromptText(CTW_PR_Enter_Duration); }

std::wstring DurationRangePrompt(const DurationField& field, bool dhms) {
  return PromptText(CTW_PR_Duration_Between_For, {BoundText(field.min, dhms), BoundText(field.max, dhms), field.name});
}

void DDX_DurationStrict(DataExchange* pDX, int id, long& seconds, bool dhms, const DurationField& field) {
  if (!pDX->IsSaving()) return DDX_Duration(pDX, id, seconds, dhms);
  const std::wstring text = EditGetText(pDX->Dialog(), id);
  const std::optional<long> read = TextToDurationStrict(text);
  if (!read) pDX->Fail(id, DurationPrompt());
  // An empty field reads as 0 and a long one is cut to what instruments
  // hold: either would change the value without a word.
  const long long typed = UnlimitedSeconds(text);
  if (text.find_first_not_of(L" \t") == std::wstring::npos || typed < field.min || typed > field.max)
    pDX->Fail(id, DurationRangePrompt(field, dhms));
  seconds = *read;
}

}  // namespace PardeloStravon
