#pragma once
// The program's string resources, compiled in: the framework's prompts and
// titles and the program's own command prompts. A prompt may go on after a
// line break with the text of its tool tip.
#include <optional>
#include <string>

namespace Platform {

// Empty when no resource has the identifier.
std::optional<std::wstring> LoadStringResource(int id);

}  // namespace Platform
