#pragma once
// The framework's file dialog: Save As (mode 0) or Open (mode 1), started on
// a file name, with or without filters and a default extension.
#include <string>

class wxWindow;

namespace Platform {

constexpr int FileChooserSave = 0;
constexpr int FileChooserOpen = 1;

struct FileChooserKind {
  std::wstring title;  // the framework's own title resource
  long style;          // toolkit dialog style
};

// Save As asks before overwriting and needs an existing folder; Open needs an
// existing file. Any other mode opens like Open.
FileChooserKind FileChooserKindOf(int mode);

// The chosen path, or the empty text when the user cancels.
std::wstring ChooseFile(wxWindow* parent, const std::wstring& fileName, int mode);
// The same over the filters ("name|pattern|name|pattern"); a name chosen for
// saving without an extension gets the chosen filter's, or defaultExt.
std::wstring ChooseFile(wxWindow* parent, const std::wstring& fileName, int mode, const std::wstring& filters,
                        const std::wstring& defaultExt);

}  // namespace Platform
