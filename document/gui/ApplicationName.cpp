#include "document/gui/ApplicationName.h"

#include <wx/app.h>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/FrameworkAdapters.h"

namespace PardeloStravon {
namespace {
std::wstring& StoredName() {
  static std::wstring name;
  return name;
}
}  // namespace

void SetApplicationName() {
  SetHeapString(StoredName(), DictText(CTW_Application_Name));
  if (wxTheApp && wxTheApp->GetAppDisplayName() != StoredName()) wxTheApp->SetAppDisplayName(StoredName());
}

const std::wstring& ApplicationName() { return StoredName(); }

}  // namespace PardeloStravon
