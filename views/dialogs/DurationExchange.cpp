#include "views/dialogs/DurationExchange.h"

#include <optional>

#include "foundation/core/Duration.h"
#include "foundation/gui/DataExchange.h"
#include "foundation/gui/DialogControls.h"

namespace PardeloStravon {

const std::wstring& DurationPrompt() {
  static const std::wstring prompt = L"Please enter a duration: seconds, m:ss, h:mm:ss or d h:mm:ss.";
  return prompt;
}

void DDX_DurationStrict(DataExchange* pDX, int id, long& seconds, bool dhms) {
  if (!pDX->IsSaving()) return DDX_Duration(pDX, id, seconds, dhms);
  const std::optional<long> read = TextToDurationStrict(EditGetText(pDX->Dialog(), id));
  if (!read) pDX->Fail(id, DurationPrompt());
  seconds = *read;
}

}  // namespace PardeloStravon
