#pragma once
// The prompts the program adds to the system's texts: a dialog's refusal of
// a value, and the failures the user is told of. Each is a token of the
// dictionary's tables in every shipped language, read in the current
// language when it is shown; %1, %2 and %3 in a text take the values.
#include <initializer_list>
#include <string>
#include <vector>

#include "foundation/catalogue/Tokens.h"

namespace PardeloStravon {

// Every prompt token (Tokens.h): each must be in the token table and in every
// translation table.
const std::vector<const std::wstring*>& PromptTokens();

// The token's text in the current language with %1, %2, ... replaced by the
// values in order. A dictionary without the token (tables older than the
// program) shows the token itself rather than nothing.
std::wstring PromptText(const std::wstring& token, std::initializer_list<std::wstring> values = {});

}  // namespace PardeloStravon
