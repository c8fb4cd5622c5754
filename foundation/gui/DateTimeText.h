#pragma once
// The local date-time text the dialogs show and read: "2007-05-01 17:20:00".
#include <optional>
#include <string>

#include "foundation/core/DateTime.h"

namespace PardeloStravon {

std::wstring DateTimeToText(const LocalDateTime& dt);
// Takes "YYYY-MM-DD", "YYYY-MM-DD hh:mm" or "YYYY-MM-DD hh:mm:ss" with blanks
// around; empty for any other text or a date that does not exist.
std::optional<LocalDateTime> TextToDateTime(const std::wstring& text);

}  // namespace PardeloStravon
