#include "platform/gui/PrintTarget.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>
#include <unistd.h>

#include <wx/bitmap.h>
#include <wx/cmndata.h>
#include <wx/dcgraph.h>
#include <wx/dcmemory.h>
#include <wx/dcprint.h>
#include <wx/graphics.h>
#include <wx/paper.h>
#include <wx/print.h>
#include <wx/sizer.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>

#include "platform/SafeFileSave.h"
#include "platform/gui/PageSetup.h"
#include "platform/gui/PrintTexts.h"

namespace Platform {

// The system printer's own context fills every gradient across, whatever
// its direction, and leaves the gradient as the source of the next line
// drawn in the colour the context set last, so such lines vanish into the
// background. Its pages are drawn through the toolkit's cairo renderer on
// that context's own cairo context instead, as the PDF pages are: every
// path draws one page alike.
class PrinterCairoDc {
 public:
  // Before the page has begun, the context counts in points: scaled here to
  // the printer's units, as the page will be, so measures taken then hold.
  PrinterCairoDc(wxDC& printer, bool pageBegun, int resolution)
      : cr_(static_cast<cairo_t*>(printer.GetImpl()->GetCairoContext())) {
    if (!cr_) return;
    cairo_save(cr_);
    if (!pageBegun && resolution > 0) cairo_scale(cr_, 72.0 / resolution, 72.0 / resolution);
    dc_ = std::make_unique<wxGCDC>(wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(cr_));
  }
  ~PrinterCairoDc() {
    dc_.reset();
    if (cr_) cairo_restore(cr_);
  }
  PrinterCairoDc(const PrinterCairoDc&) = delete;
  PrinterCairoDc& operator=(const PrinterCairoDc&) = delete;

  // Null when the printer's context has no cairo context.
  wxDC* Dc() { return dc_.get(); }

 private:
  cairo_t* cr_;
  std::unique_ptr<wxGCDC> dc_;
};

namespace {

thread_local std::wstring lastError;
std::string printToFile;

constexpr double MmPerInch = 25.4;

int MmToUnits(double mm, int ppi) { return static_cast<int>(std::lround(mm * ppi / MmPerInch)); }

// The page setup's paper in millimetres, turned as its orientation says.
wxSize PaperMm() {
  const wxPageSetupDialogData& setup = PageSetupData();
  wxSize mm = setup.GetPaperSize();
  const wxPrintData& data = const_cast<wxPageSetupDialogData&>(setup).GetPrintData();
  if (mm.x <= 0 || mm.y <= 0) mm = data.GetPaperSize();
  if ((mm.x <= 0 || mm.y <= 0) && wxThePrintPaperDatabase) {
    const wxSize tenths = wxThePrintPaperDatabase->GetSize(data.GetPaperId());
    mm = wxSize(tenths.x / 10, tenths.y / 10);
  }
  if (mm.x <= 0 || mm.y <= 0) mm = wxSize(210, 297);
  const bool landscape = data.GetOrientation() == wxLANDSCAPE;
  if (landscape != (mm.x > mm.y)) mm = wxSize(mm.y, mm.x);
  return mm;
}

// The page setup's margins (millimetres) inside a paper: left, top, right,
// bottom. Margins that leave nothing are ignored.
wxRect InsideMargins(const wxSize& paper, const wxSize& ppi) {
  const wxPageSetupDialogData& setup = PageSetupData();
  const wxPoint tl = setup.GetMarginTopLeft();
  const wxPoint br = setup.GetMarginBottomRight();
  const int left = MmToUnits(std::max(0, tl.x), ppi.x);
  const int top = MmToUnits(std::max(0, tl.y), ppi.y);
  const int right = MmToUnits(std::max(0, br.x), ppi.x);
  const int bottom = MmToUnits(std::max(0, br.y), ppi.y);
  const wxRect inside(left, top, paper.x - left - right, paper.y - top - bottom);
  return inside.width > 0 && inside.height > 0 ? inside : wxRect(wxPoint(), paper);
}

// Makes dc draw the printer's units with (0, 0) at the printable area's
// top-left; returns what to restore.
struct DcState {
  double scaleX = 1, scaleY = 1;
  wxPoint deviceOrigin;
};

DcState PrepareDc(wxDC& dc, double baseX, double baseY, const wxPoint& printableInDc) {
  DcState old;
  dc.GetUserScale(&old.scaleX, &old.scaleY);
  old.deviceOrigin = dc.GetDeviceOrigin();
  dc.SetUserScale(baseX, baseY);
  dc.SetAxisOrientation(true, false);
  dc.SetLogicalOrigin(0, 0);
  dc.SetDeviceOrigin(old.deviceOrigin.x + static_cast<int>(std::lround(printableInDc.x * baseX)),
                     old.deviceOrigin.y + static_cast<int>(std::lround(printableInDc.y * baseY)));
  dc.SetPen(*wxBLACK_PEN);
  dc.SetTextForeground(*wxBLACK);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  return old;
}

void RestoreDc(wxDC& dc, const DcState& old) {
  dc.SetUserScale(old.scaleX, old.scaleY);
  dc.SetDeviceOrigin(old.deviceOrigin.x, old.deviceOrigin.y);
}

void Fail(const std::wstring& why) { lastError = why; }

// Counts the printout's pages on the page setup's paper at the screen's
// resolution: enough to know whether there is anything to print before the
// system's printing is asked.
int CountPagesNominally(TargetPrintout& printout) {
  wxBitmap bitmap(8, 8);
  wxMemoryDC dc(bitmap);
  const wxSize ppi = dc.GetPPI().x > 0 ? dc.GetPPI() : wxSize(96, 96);
  return printout.PrepareOn(dc, PageSetupGeometry(ppi));
}

// The installed printers as the system's print dialog lists them, asked with
// a time limit: a print backend that never answers must not hang a print.
struct PrinterSearch {
  int refs = 2;  // this side and the toolkit's destroy notification
  bool done = false;
  bool found = false;
  std::string wanted;  // a printer name, or empty for the default printer

  static gboolean OnPrinter(GtkPrinter* printer, gpointer data) {
    auto* self = static_cast<PrinterSearch*>(data);
    if (gtk_printer_is_virtual(printer)) return FALSE;
    const bool match = self->wanted.empty() ? gtk_printer_is_default(printer)
                                            : self->wanted == gtk_printer_get_name(printer);
    if (match) self->found = true;
    return match ? TRUE : FALSE;
  }
  static void OnDone(gpointer data) {
    auto* self = static_cast<PrinterSearch*>(data);
    self->done = true;
    if (--self->refs == 0) delete self;
  }
};

bool PrinterAvailable(const std::string& name) {
  auto* search = new PrinterSearch;
  search->wanted = name;
  gtk_enumerate_printers(&PrinterSearch::OnPrinter, search, &PrinterSearch::OnDone, FALSE);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
  while (!search->done && !search->found && std::chrono::steady_clock::now() < deadline) {
    if (!g_main_context_iteration(nullptr, FALSE)) usleep(10000);
  }
  const bool found = search->found;
  if (--search->refs == 0) delete search;
  return found;
}

// The PDF is made in memory and saved whole: cairo's own file output does
// not notice a write that fails when its buffer is flushed, and a failed
// print must leave an earlier file of the same name as it was.
class PdfDocument {
 public:
  explicit PdfDocument(const PageGeometry& page)
      : surface_(cairo_pdf_surface_create_for_stream(&PdfDocument::Append, this, page.paper.x, page.paper.y)) {}
  ~PdfDocument() { cairo_surface_destroy(surface_); }
  PdfDocument(const PdfDocument&) = delete;
  PdfDocument& operator=(const PdfDocument&) = delete;

  bool Ok() const { return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS; }
  cairo_surface_t* Surface() { return surface_; }

  // Ends the document and saves it; an empty text when it was saved.
  std::wstring Save(const std::string& path) {
    cairo_surface_finish(surface_);
    if (!Ok()) return L"The printout could not be made: " + Text(cairo_status_to_string(cairo_surface_status(surface_)));
    try {
      SaveFileSafely(path, bytes_);
    } catch (const SaveFailure& e) {
      return Text(e.what());
    }
    return {};
  }

 private:
  static std::wstring Text(const char* utf8) { return wxString::FromUTF8(utf8).ToStdWstring(); }
  static cairo_status_t Append(void* self, const unsigned char* data, unsigned int length) {
    try {
      static_cast<PdfDocument*>(self)->bytes_.append(reinterpret_cast<const char*>(data), length);
    } catch (...) {
      return CAIRO_STATUS_WRITE_ERROR;
    }
    return CAIRO_STATUS_SUCCESS;
  }

  cairo_surface_t* surface_;
  std::string bytes_;
};

// One page of a PDF as a toolkit context. The toolkit's cairo context sees
// no size (0 x 0) and believes in 96 ppi; the geometry tells the truth.
class PdfPage {
 public:
  explicit PdfPage(cairo_surface_t* surface) : cr_(cairo_create(surface)) {
    dc_ = std::make_unique<wxGCDC>(wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(cr_));
  }
  ~PdfPage() {
    dc_.reset();
    cairo_destroy(cr_);
  }
  PdfPage(const PdfPage&) = delete;
  PdfPage& operator=(const PdfPage&) = delete;

  wxDC& Dc() { return *dc_; }
  bool Show() {
    dc_.reset();
    cairo_show_page(cr_);
    return cairo_status(cr_) == CAIRO_STATUS_SUCCESS;
  }

 private:
  cairo_t* cr_;
  std::unique_ptr<wxGCDC> dc_;
};

cairo_status_t DiscardPdf(void*, const unsigned char*, unsigned int) { return CAIRO_STATUS_SUCCESS; }


// The toolkit's preview; its Print button prints as the Print command does.
class TargetPreview : public wxPrintPreview {
 public:
  TargetPreview(TargetPrintout* view, TargetPrintout* print, wxPrintDialogData* data)
      : wxPrintPreview(view, print, data), print_(print) {}
  bool Print(bool interactive) override {
    if (!print_) return false;
    return PrintDocumentPrintout(*print_, interactive, GetFrame());
  }
  // The toolkit draws a solid black band, four pixels wide, beside and
  // below the page as its shadow: it reads as part of the printout. It is
  // painted over with the preview's ground, the page where the toolkit
  // placed it (its page rectangle, from the printout's own figures).
  bool PaintPage(wxPreviewCanvas* canvas, wxDC& dc) override {
    const bool painted = wxPrintPreview::PaintPage(canvas, dc);
    wxPrintout* printout = GetPrintout();
    if (!canvas || !printout) return painted;
    int screenX = 0, screenY = 0, printerX = 0, printerY = 0;
    printout->GetPPIScreen(&screenX, &screenY);
    printout->GetPPIPrinter(&printerX, &printerY);
    const wxRect paperPx = printout->GetPaperRectPixels();
    if (screenX <= 0 || screenY <= 0 || printerX <= 0 || printerY <= 0 || paperPx.IsEmpty()) return painted;
    const float zoom = static_cast<float>(GetZoom()) / 100;
    wxRect paper;
    paper.width = static_cast<wxCoord>(zoom * screenX / printerX * paperPx.width);
    paper.height = static_cast<wxCoord>(zoom * screenY / printerY * paperPx.height);
    const wxSize canvasSize = canvas->GetSize();
    const int margin = 2 * wxSizerFlags::GetDefaultBorder();
    paper.x = std::max(static_cast<wxCoord>((canvasSize.x - paper.width) / 2.0), margin);
    paper.y = std::max(static_cast<wxCoord>((canvasSize.y - paper.height) / 2.0), margin);
    constexpr int Shadow = 4;
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(canvas->GetBackgroundColour()));
    dc.DrawRectangle(paper.x + paper.width + 1, paper.y, Shadow + 2, paper.height + Shadow + 3);
    dc.DrawRectangle(paper.x, paper.y + paper.height + 1, paper.width + Shadow + 3, Shadow + 2);
    return painted;
  }

 private:
  TargetPrintout* print_;
};

}  // namespace

TargetPrintout::TargetPrintout(const wxString& title) : wxPrintout(title) {}
TargetPrintout::~TargetPrintout() = default;

bool TargetPrintout::PrepareToolkitDc() {
  // What the toolkit told the printout about the printer and its page.
  int ppiX = 0, ppiY = 0, pageW = 0, pageH = 0;
  GetPPIPrinter(&ppiX, &ppiY);
  GetPageSizePixels(&pageW, &pageH);
  if (ppiX <= 0 || ppiY <= 0 || pageW <= 0 || pageH <= 0 || !GetDC()) return false;
  wxRect paperRect = GetPaperRectPixels();
  if (paperRect.IsEmpty()) paperRect = wxRect(0, 0, pageW, pageH);

  PageGeometry page;
  page.ppi = wxSize(ppiX, ppiY);
  page.paper = paperRect.GetSize();
  // The device's own printable area, counted from the paper's edge; the page
  // setup's margins may narrow it further.
  const wxRect device(-paperRect.x, -paperRect.y, pageW, pageH);
  wxRect printable = InsideMargins(page.paper, page.ppi).Intersect(device);
  if (printable.IsEmpty()) printable = device;
  page.printable = printable;
  geometry_ = page;

  // Preview draws on a bitmap at its zoom: the context is smaller than the
  // printer's page by that factor. A context that reports no size is the
  // printer's own.
  const wxSize dcSize = GetDC()->GetSize();
  baseX_ = dcSize.x > 0 ? static_cast<double>(dcSize.x) / pageW : 1.0;
  baseY_ = dcSize.y > 0 ? static_cast<double>(dcSize.y) / pageH : 1.0;
  originInDc_ = wxPoint(printable.x + paperRect.x, printable.y + paperRect.y);
  return true;
}

// The context to draw on: the toolkit's, or for the system's printer a
// cairo one over it.
wxDC& TargetPrintout::DrawingDc(std::optional<PrinterCairoDc>& printer, bool pageBegun) {
  wxDC& toolkit = *GetDC();
  if (IsPreview() || !toolkit.IsKindOf(wxCLASSINFO(wxPrinterDC))) return toolkit;
  printer.emplace(toolkit, pageBegun, geometry_.ppi.x);
  return printer->Dc() ? *printer->Dc() : toolkit;
}

void TargetPrintout::OnPreparePrinting() {
  pageCount_ = 0;
  if (!PrepareToolkitDc()) return;
  std::optional<PrinterCairoDc> printer;
  wxDC& dc = DrawingDc(printer, false);
  const DcState old = PrepareDc(dc, baseX_, baseY_, originInDc_);
  pageCount_ = std::max(0, PreparePages(dc, geometry_));
  RestoreDc(dc, old);
}

bool TargetPrintout::OnPrintPage(int page) {
  // An empty printout previews as one blank page.
  if (page > pageCount_) return IsPreview();
  if (!GetDC() || !PrepareToolkitDc()) return false;
  std::optional<PrinterCairoDc> printer;
  wxDC& dc = DrawingDc(printer, true);
  const DcState old = PrepareDc(dc, baseX_, baseY_, originInDc_);
  const bool ok = PrintPageOn(dc, geometry_, page);
  RestoreDc(dc, old);
  return ok;
}

bool TargetPrintout::HasPage(int page) {
  return page >= 1 && (page <= pageCount_ || (IsPreview() && page == 1));
}

void TargetPrintout::GetPageInfo(int* minPage, int* maxPage, int* selFrom, int* selTo) {
  const int last = IsPreview() ? std::max(1, pageCount_) : pageCount_;
  *minPage = 1;
  *maxPage = last;
  *selFrom = 1;
  *selTo = last;
}

int TargetPrintout::PrepareOn(wxDC& dc, const PageGeometry& geometry) {
  geometry_ = geometry;
  dc.GetUserScale(&baseX_, &baseY_);
  originInDc_ = geometry.printable.GetTopLeft();
  const DcState old = PrepareDc(dc, baseX_, baseY_, originInDc_);
  pageCount_ = std::max(0, PreparePages(dc, geometry_));
  RestoreDc(dc, old);
  return pageCount_;
}

bool TargetPrintout::PrintOn(wxDC& dc, int page) {
  if (page < 1 || page > pageCount_) return false;
  dc.GetUserScale(&baseX_, &baseY_);
  originInDc_ = geometry_.printable.GetTopLeft();
  const DcState old = PrepareDc(dc, baseX_, baseY_, originInDc_);
  const bool ok = PrintPageOn(dc, geometry_, page);
  RestoreDc(dc, old);
  return ok;
}

void SetPrintToFile(const std::string& path) { printToFile = path; }
std::string PrintToFile() { return printToFile; }
std::wstring LastPrintError() { return lastError; }

PageGeometry PageSetupGeometry(const wxSize& ppi) {
  PageGeometry page;
  page.ppi = wxSize(ppi.x > 0 ? ppi.x : 72, ppi.y > 0 ? ppi.y : 72);
  const wxSize mm = PaperMm();
  page.paper = wxSize(MmToUnits(mm.x, page.ppi.x), MmToUnits(mm.y, page.ppi.y));
  page.printable = InsideMargins(page.paper, page.ppi);
  return page;
}

bool PrintToPdf(TargetPrintout& printout, const std::string& path) {
  lastError.clear();
  if (path.empty()) {
    Fail(L"No file to print into.");
    return false;
  }
  // A PDF page counts in points.
  const PageGeometry page = PageSetupGeometry(wxSize(72, 72));

  // Counted on a PDF context of its own, whose font metrics are those of the
  // pages, before any file is made: a printout without pages writes none.
  int count = 0;
  {
    cairo_surface_t* scratch = cairo_pdf_surface_create_for_stream(&DiscardPdf, nullptr, page.paper.x, page.paper.y);
    {
      PdfPage measure(scratch);
      printout.SetDC(&measure.Dc());
      count = printout.PrepareOn(measure.Dc(), page);
      printout.SetDC(nullptr);
    }
    cairo_surface_destroy(scratch);
  }
  if (count <= 0) return true;

  PdfDocument file(page);
  if (!file.Ok()) {
    Fail(L"The printout could not be made.");
    return false;
  }
  printout.SetPPIScreen(96, 96);
  printout.SetPPIPrinter(page.ppi.x, page.ppi.y);
  printout.SetPageSizePixels(page.paper.x, page.paper.y);
  printout.SetPaperRectPixels(wxRect(wxPoint(), page.paper));
  const wxSize mm = PaperMm();
  printout.SetPageSizeMM(mm.x, mm.y);
  bool ok = true;
  printout.OnBeginPrinting();
  for (int p = 1; p <= count && ok; ++p) {
    PdfPage sheet(file.Surface());
    printout.SetDC(&sheet.Dc());
    ok = printout.PrintOn(sheet.Dc(), p);
    printout.SetDC(nullptr);
    ok = sheet.Show() && ok;
  }
  printout.OnEndPrinting();
  if (!ok) {
    Fail(L"The printout could not be made.");
    return false;
  }
  const std::wstring error = file.Save(path);
  if (!error.empty()) {
    Fail(error);
    return false;
  }
  return true;
}

bool PrintDocumentPrintout(TargetPrintout& printout, bool withDialog, wxWindow* parent) {
  lastError.clear();
  if (!printToFile.empty()) return PrintToPdf(printout, printToFile);
  if (CountPagesNominally(printout) <= 0) return true;

  wxPrintData& data = PageSetupData().GetPrintData();
  if (!withDialog && !PrinterAvailable(data.GetPrinterName().ToStdString())) {
    Fail(NoPrinterText());
    return false;
  }
  wxPrintDialogData dialogData(data);
  wxPrinter printer(&dialogData);
  if (printer.Print(parent, &printout, withDialog)) {
    // The printer and paper chosen in the dialog serve the next print.
    if (withDialog) data = printer.GetPrintDialogData().GetPrintData();
    return true;
  }
  if (wxPrinter::GetLastError() == wxPRINTER_CANCELLED) return true;
  Fail(L"The print failed.");
  return false;
}

bool PreviewPrintout(std::unique_ptr<TargetPrintout> view, std::unique_ptr<TargetPrintout> print,
                     wxWindow* parent, const wxString& title) {
  lastError.clear();
  if (!view) {
    Fail(L"Nothing to preview.");
    return false;
  }
  wxPrintDialogData data(PageSetupData().GetPrintData());
  auto* preview = new TargetPreview(view.release(), print.release(), &data);
  if (!preview->IsOk()) {
    delete preview;
    Fail(L"The print preview could not be made.");
    return false;
  }
  auto* frame = new wxPreviewFrame(preview, parent, title, wxDefaultPosition, wxSize(900, 700));
  frame->Initialize();
  frame->Show();
  return true;
}

}  // namespace Platform
