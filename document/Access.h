#pragma once
// Who may change the document: user access guards the commands that change
// the document, the network or the views' looks; supervisor access decides
// what the edit-instrument dialog and the settings form let the user change.
namespace PardeloStravon {

class QziDocIStd;

// A logged-in user or supervisor passes; otherwise the user password is
// asked for (an empty one passes at once). Logs nobody in.
bool CheckUserAccess(QziDocIStd& doc);

// The supervisor is logged in, or the supervisor password is empty.
bool HasSupervisorAccess(const QziDocIStd& doc);

}  // namespace PardeloStravon
