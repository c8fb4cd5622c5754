#pragma once
// Translation of the framework's status-bar prompts. The main status bar
// looks up the text it is about to show; a known prompt is shown as its
// token's text in the current language instead.
#include <cstddef>
#include <map>
#include <string>
#include <utility>

#include "platform/CString.h"

namespace PardeloStravon {

// Prompt text (first line of its string resource) to token position.
using StringTable = std::map<std::wstring, std::size_t>;

// (true, position of the prompt's token), or (false, 0) for any text that is
// not a prompt, compared exactly. The first call builds the table, after the
// dictionary is loaded.
std::pair<bool, std::size_t> FindStringTableToken(const CString& text);

// Reads every prompt from the string resources in ascending identifier
// order; of two identical prompts the later identifier's token wins. A
// missing resource is a defect of the program: it is reported and the
// process ends at once.
StringTable StringTableTokens();

}  // namespace PardeloStravon
