#pragma once
// Ends a modal dialog that the toolkit shows natively (a message box): its
// own EndModal does not reach the native loop.
class wxDialog;

namespace Platform {

// Answers the dialog as its OK (or Cancel) button would; false when the
// dialog has no native window.
bool EndNativeDialog(wxDialog& dialog, bool ok);

}  // namespace Platform
