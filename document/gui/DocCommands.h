#pragma once
// The document's command entries and update entries.
#include <string>
#include <vector>

namespace PardeloStravon {

class QziDoc;

struct MenuItemToken {
  int id;
  const std::wstring* token;
};
// The token of every item that an update entry names.
const std::vector<MenuItemToken>& MenuItemTokens();

void AddDocCommands(QziDoc& doc);
// The update entries: every item's text in the current language and the
// seven check marks.
void AddDocUpdateEntries(QziDoc& doc);

}  // namespace PardeloStravon
