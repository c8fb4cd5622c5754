#include "platform/gui/FileChooser.h"

#include <wx/filedlg.h>

#include "platform/gui/ResourceIds.h"
#include "platform/gui/StringResources.h"

namespace Platform {

FileChooserKind FileChooserKindOf(int mode) {
  if (mode == FileChooserSave)
    return {LoadStringResource(AFX_IDS_SAVEFILE).value_or(L""), wxFD_SAVE | wxFD_OVERWRITE_PROMPT};
  return {LoadStringResource(AFX_IDS_OPENFILE).value_or(L""), wxFD_OPEN | wxFD_FILE_MUST_EXIST};
}

std::wstring ChooseFile(wxWindow* parent, const std::wstring& fileName, int mode) {
  const FileChooserKind kind = FileChooserKindOf(mode);
  wxFileDialog dialog(parent, kind.title, wxEmptyString, fileName, "*", kind.style);
  if (dialog.ShowModal() != wxID_OK) return std::wstring();
  return dialog.GetPath().ToStdWstring();
}

}  // namespace Platform
