#include "platform/gui/FileChooser.h"

#include <wx/filedlg.h>
#include <wx/filefn.h>

#include "platform/gui/ResourceIds.h"
#include "platform/gui/StringResources.h"

namespace Platform {

FileChooserKind FileChooserKindOf(int mode) {
  if (mode == FileChooserSave)
    return {LoadStringResource(AFX_IDS_SAVEFILE).value_or(L""), wxFD_SAVE | wxFD_OVERWRITE_PROMPT};
  return {LoadStringResource(AFX_IDS_OPENFILE).value_or(L""), wxFD_OPEN | wxFD_FILE_MUST_EXIST};
}

std::wstring ChooseFile(wxWindow* parent, const std::wstring& fileName, int mode) {
  return ChooseFile(parent, fileName, mode, L"*", L"");
}

std::wstring ChooseFile(wxWindow* parent, const std::wstring& fileName, int mode, const std::wstring& filters,
                        const std::wstring& defaultExt) {
  const FileChooserKind kind = FileChooserKindOf(mode);
  wxFileDialog dialog(parent, kind.title, wxEmptyString, fileName, filters, kind.style);
  if (dialog.ShowModal() != wxID_OK) return std::wstring();
  std::wstring path = dialog.GetPath().ToStdWstring();
  // A name typed without an extension takes the chosen type's.
  const size_t slash = path.find_last_of(L'/');
  const std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  if (mode == FileChooserSave && name.find(L'.') == std::wstring::npos) {
    std::wstring ext = defaultExt;
    const wxString wildcard = dialog.GetWildcard();
    wxArrayString descriptions, patterns;
    if (wxParseCommonDialogsFilter(wildcard, descriptions, patterns) > dialog.GetFilterIndex()) {
      const std::wstring pattern = patterns[dialog.GetFilterIndex()].ToStdWstring();
      if (pattern.rfind(L"*.", 0) == 0 && pattern.find_first_of(L"*?;", 2) == std::wstring::npos)
        ext = pattern.substr(2);
    }
    if (!ext.empty()) path += L"." + ext;
  }
  return path;
}

}  // namespace Platform
