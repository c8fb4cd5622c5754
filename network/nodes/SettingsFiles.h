#pragma once
// The settings of one instrument in a file of their own ("*.qzis", a wide
// XML archive whose object "SafeSet" holds the type's code and one value per
// settable parameter), and how loaded values are mixed into the settings
// that the settings form will send. Nothing is sent to the instrument here.
#include <boost/archive/xml_wiarchive.hpp>
#include <boost/archive/xml_woarchive.hpp>
#include <string>

#include "foundation/catalogue/Frames.h"

namespace PardeloStravon {

class Node;

// The windows of the two file commands, handed in by the settings form.
class SettingsFileUi {
 public:
  enum Mode { saveMode = 0, openMode = 1 };

  virtual ~SettingsFileUi() = default;
  // The path the user chose in a file dialog that starts with the name
  // base + extension; empty when the user cancelled.
  virtual std::wstring ChooseFile(const std::wstring& base, const std::wstring& extension,
                                  Mode mode) = 0;
  // The message box with no text and an OK button that ends a failed save
  // or load.
  virtual void ShowEmptyMessage() = 0;
};

extern const std::wstring SettingsFileExtension;  // ".qzis"

// "005_TC100" for address 5: three digits up to 999, every digit above.
std::wstring SettingsFileName(const Node& n, int add);

// Asks for a file and writes the values, which must be one per settable
// parameter of the node's type. The file is replaced only by a whole
// archive that has reached the disk, so a failed save, a kill or a power
// cut leaves an existing file as it was. Failures are logged and end with
// the empty message box.
void SaveSettings(const Node& n, int add, const InstrParValues& set, SettingsFileUi& ui);

// Asks for a file and reads it into `set`; true when it was loaded. A file
// of another instrument type, or one that fails to read, leaves `set` as it
// was and ends with the empty message box (a failure also logged, naming
// the file). A cut or damaged file fails; so does a value that is not
// exactly one value of its type, or one outside its parameter's range
// unless it equals the value the instrument sent last for that parameter.
bool LoadSettings(const Node& n, int add, InstrParValues& set, SettingsFileUi& ui);

// Always true.
bool WriteSafeSet(boost::archive::xml_woarchive& ar, const Node& n, const InstrParValues& set);
// False, with `set` untouched, when the file holds another instrument type.
bool ReadSafeSet(boost::archive::xml_wiarchive& ar, const Node& n, InstrParValues& set);

// Mixes loaded (new) values into the node's settings: with supervisor
// rights every new value; otherwise the new value where the settings form
// marks the parameter free and the old one elsewhere. False when a value
// had to come from old settings that are not there (old empty); that entry
// of `mixed` is left as it was. Sizes that do not match the node's type
// fail their assertions.
bool MixSettings(const Node& n, const InstrParValues& oldP, const InstrParValues& newP,
                 InstrParValues& mixP, bool supervisor);

}  // namespace PardeloStravon
