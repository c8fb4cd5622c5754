#include "platform/gui/PrintTarget.h"

namespace Platform {

TargetPrintout::TargetPrintout(const wxString& title) : wxPrintout(title) {}
TargetPrintout::~TargetPrintout() = default;

void TargetPrintout::OnPreparePrinting() {}
bool TargetPrintout::OnPrintPage(int) { return false; }
bool TargetPrintout::HasPage(int page) { return page >= 1 && page <= pageCount_; }
void TargetPrintout::GetPageInfo(int* minPage, int* maxPage, int* selFrom, int* selTo) {
  *minPage = *selFrom = 1;
  *maxPage = *selTo = pageCount_;
}
int TargetPrintout::PrepareOn(wxDC&, const PageGeometry&) { return 0; }
bool TargetPrintout::PrintOn(wxDC&, int) { return false; }
bool TargetPrintout::PrepareToolkitDc() { return false; }

void SetPrintToFile(const std::string&) {}
std::string PrintToFile() { return {}; }
bool PrintDocumentPrintout(TargetPrintout&, bool, wxWindow*) { return false; }
bool PrintToPdf(TargetPrintout&, const std::string&) { return false; }
bool PreviewPrintout(std::unique_ptr<TargetPrintout>, std::unique_ptr<TargetPrintout>, wxWindow*, const wxString&) {
  return false;
}
std::wstring LastPrintError() { return {}; }
PageGeometry PageSetupGeometry(const wxSize& ppi) { return PageGeometry{wxSize(), wxRect(), ppi}; }

}  // namespace Platform
