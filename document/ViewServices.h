#pragma once
// What the document needs of the views and dialogs: graphs, the settings
// form and the password check. The application installs the views'
// implementation at start-up; until a piece is installed it answers as a
// cancelled dialog would.
#include <ctime>
#include <string>

namespace PardeloStravon {

class QziDoc;
class GphView;

class ViewServices {
 public:
  virtual ~ViewServices() = default;

  // A graph of the instrument's recording over [from, to] in a new window
  // of the document; the new view, or null.
  virtual GphView* NewGraphic(QziDoc* doc, int address, std::time_t from, std::time_t to,
                              bool follow, bool print);
  // Prints that graph directly; whether it was printed.
  virtual bool PrintGraphic(QziDoc* doc, int address, std::time_t from, std::time_t to);
  // Opens the settings form of the instrument at that address.
  virtual void OpenSettingsForm(QziDoc* doc, int address);
  // Whether the user typed the stored password; an empty stored password
  // passes without asking.
  virtual bool CheckPassword(const std::wstring& stored);
};

// The installed views, or the stand-in that opens nothing.
ViewServices& Views();
// Installs the views (null: the stand-in again); returns the one replaced.
// The views must outlive their installation.
ViewServices* InstallViewServices(ViewServices* views);

}  // namespace PardeloStravon
