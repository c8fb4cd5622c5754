#pragma once
// The document's two commands on the alarm script. GUI thread.
namespace PardeloStravon {

class DocServices;

// Starts the alarm script as for a raised instrument alarm of "test room"
// at address 0 with number 0 and the text "test alarm".
void TestAlarm(DocServices& doc);

// Opens the document folder's "alarm.bat" in the desktop's text editor,
// without waiting. The editor is looked up once per process; a missing
// script is left to the editor, a missing editor is written to the error
// log.
void EditTheAlarm(const DocServices& doc);

}  // namespace PardeloStravon
