#pragma once
// Driving the program's dialogs as a user does, from inside a ModalDriver.
#include <string>

class wxDialog;

namespace TestSupport {

// Puts the text into the field (an edit, or a combo box's edit field) as
// typing does.
void TypeInto(wxDialog& dialog, int id, const std::wstring& text);

// Clicks the button and answers the message box it may open; returns the
// message, empty when none opened.
std::wstring ClickAnsweringPrompt(wxDialog& dialog, int buttonId);

// Whether the keyboard focus is on the control or inside it.
bool FocusIsOn(wxDialog& dialog, int id);

// Saves a screenshot of the dialog as <name>_<current language>.png.
void ShootInLanguage(wxDialog& dialog, const std::string& name);

}  // namespace TestSupport
