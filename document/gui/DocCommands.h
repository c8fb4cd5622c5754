#pragma once
// The document's command entries and update entries.
namespace PardeloStravon {

class QziDoc;

void AddDocCommands(QziDoc& doc);
// The update entries: every item's text in the current language and the
// seven check marks.
void AddDocUpdateEntries(QziDoc& doc);

}  // namespace PardeloStravon
