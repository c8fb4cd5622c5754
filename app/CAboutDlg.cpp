#include "app/CAboutDlg.h"

#include <wx/statbmp.h>

#include "app/AppTexts.h"
#include "app/CDib.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/gui/DialogControls.h"
#include "platform/gui/ResourceIds.h"
#include "platform/gui/WindowStyles.h"
#include "views/dialogs/ResourceItems.h"

namespace PardeloStravon {
namespace {

constexpr unsigned AboutBitmap = 151;

InterfItem BorderlessReadOnlyEdit(int id, int x, int y, int cx, int cy) {
  using namespace Platform;
  return {id, ClassEdit, WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL, L"", x, y, cx, cy, 0, 0,
          L""};
}

}  // namespace

std::vector<InterfItem> CAboutDlgItems() {
  return {
      ResourceFrame(L"About ZO Vezizav", 500, 84),
      DefaultButton(Platform::IDOK, L"OK", 442, 0, 50, 16),
      BorderlessReadOnlyEdit(IDC_ABOUT_VERSION, 340, 33, 150, 12),
      BorderlessReadOnlyEdit(IDC_ABOUT_OWNER, 340, 48, 150, 12),
  };
}

CAboutDlg::CAboutDlg(wxWindow* parent) : ItemDialog(parent, CAboutDlgItems()) {
  // The picture at its own size in the top left corner.
  CDib dib;
  if (dib.Load(AboutBitmap)) new wxStaticBitmap(this, wxID_ANY, dib.GetBitmap(), wxPoint(0, 0), dib.GetSize());
  Bind(wxEVT_INIT_DIALOG, &CAboutDlg::OnInitDialog, this);
}

void CAboutDlg::OnInitDialog(wxInitDialogEvent&) {
  TransferDataToWindow();
  EditSetText(this, Platform::IDOK, DictText(CTW_OK));
  EditSetText(this, IDC_ABOUT_VERSION, VersionText);
  EditSetText(this, IDC_ABOUT_OWNER, OwnerNotice);
  SetTitle(DictText(CTW_ID_APP_ABOUT));
}

}  // namespace PardeloStravon
