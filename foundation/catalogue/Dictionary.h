#pragma once
// The dictionary: the texts of every token in every language, read once at
// start-up from the table files and only read afterwards, by every thread.
// Only the current language changes later.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace PardeloStravon {

struct DictError {};
// A token that the dictionary does not hold.
struct DictBadPos : DictError {};
// A translation file without exactly one record per token.
struct DictNotInit : DictError {};

// (identifier, name as shown to the user); its index is the language index.
using DictLanguage = std::pair<std::wstring, std::wstring>;

// Reads the language table, the token table and one translation file per
// language from folder + "/XML/". False when a file is not read (the reasons
// are in ErrorLog); throws DictNotInit or DictBadPos for a translation file
// that does not fit the token table. The dictionary changes only when every
// file was read.
bool LoadDictionary(const std::wstring& folder);

// Every registered token has a position.
bool DictComplete();

std::vector<DictLanguage> DictLanguages();

// (false, 0) for a token that the dictionary does not hold.
std::pair<bool, std::size_t> FindTokenPos(const std::wstring& token);
// Throws DictBadPos for a token that the dictionary does not hold.
std::size_t TokenPos(const std::wstring& token);

// The text in the current language. The reference stays valid for the rest
// of the process. An unknown token throws DictBadPos; a position beyond the
// token count, or any text before a dictionary is loaded, std::out_of_range.
const std::wstring& DictText(const std::wstring& token);
const std::wstring& DictTextAt(std::size_t position);

std::size_t CurrentLanguage();
// An index not below the number of languages selects language 0.
void SetCurrentLanguage(std::size_t index);

}  // namespace PardeloStravon
