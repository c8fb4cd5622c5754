#pragma once
// Where printouts go: the system's printing through the toolkit, the
// toolkit's print preview, or a PDF file. Every printout sees one page
// geometry in printer device units and a device context on which one logical
// unit is one printer device unit, whatever the device underneath (a printer,
// the preview's bitmap at its zoom, a PDF page in points).
#include <wx/gdicmn.h>
#include <wx/prntbase.h>

#include <memory>
#include <optional>
#include <string>

class wxWindow;

namespace Platform {

class PrinterCairoDc;

// In printer device units. printable lies within the paper; its offset is
// the distance from the paper's top-left edge (the framework's physical
// offsets); its size the framework's HORZRES and VERTRES.
struct PageGeometry {
  wxSize paper;
  wxRect printable;
  wxSize ppi;
};

class TargetPrintout : public wxPrintout {
 public:
  explicit TargetPrintout(const wxString& title);
  ~TargetPrintout() override;

  // The page of the device the printout runs on; valid from PreparePages on.
  const PageGeometry& Geometry() const { return geometry_; }
  // What PreparePages counted.
  int PageCount() const { return pageCount_; }

  // The toolkit's side; a subclass overrides the two hooks below instead.
  void OnPreparePrinting() override;
  bool OnPrintPage(int page) override;
  bool HasPage(int page) override;
  void GetPageInfo(int* minPage, int* maxPage, int* selFrom, int* selTo) override;

  // Runs the printout's pages through the hooks on a device context the
  // caller made: dc's current user scale makes one logical unit one device
  // unit of the geometry, with (0, 0) at the paper's top-left. PrepareOn
  // returns the page count; PrintOn draws one page of 1 .. PageCount(). The
  // PDF path and tests use them.
  int PrepareOn(wxDC& dc, const PageGeometry& geometry);
  bool PrintOn(wxDC& dc, int page);

 protected:
  // Called once the printer's page is known, before any page is asked for:
  // returns the number of pages (0 for nothing to print). dc is prepared as
  // for a page: one logical unit is one printer device unit, (0, 0) the
  // printable area's top-left, y downward.
  virtual int PreparePages(wxDC& dc, const PageGeometry& geometry) = 0;
  // Draws page 1 .. PageCount() on the prepared dc; false stops the print.
  virtual bool PrintPageOn(wxDC& dc, const PageGeometry& geometry, int page) = 0;

 private:
  bool PrepareToolkitDc();
  wxDC& DrawingDc(std::optional<PrinterCairoDc>& printer, bool pageBegun);

  PageGeometry geometry_{};
  int pageCount_ = 0;
  // The context's scale for one printer unit, and the printable area's
  // top-left in printer units from the context's origin.
  double baseX_ = 1, baseY_ = 1;
  wxPoint originInDc_;
};

// While a path is set, every print (with or without the dialog) goes into
// that PDF file instead of a printer. Empty: the system's printing.
void SetPrintToFile(const std::string& path);
std::string PrintToFile();

// Prints through the system's print dialog (withDialog) or directly on the
// default printer; into the PDF file while one is set. True when it printed,
// when the user cancelled, and when the printout had no page (nothing is sent
// then). False on failure: no printer installed (a direct print fails at
// once), the system's printing failed, the file could not be written.
bool PrintDocumentPrintout(TargetPrintout& printout, bool withDialog, wxWindow* parent);

// Writes every page into a PDF file on the paper and margins of the page
// setup. A printout without pages writes no file and succeeds.
bool PrintToPdf(TargetPrintout& printout, const std::string& path);

// The toolkit's preview frame, shown and left to the user; view draws the
// pages on screen, print serves the frame's Print button. False when the
// preview could not be made. A printout without pages shows one empty page.
bool PreviewPrintout(std::unique_ptr<TargetPrintout> view, std::unique_ptr<TargetPrintout> print,
                     wxWindow* parent, const wxString& title);

// Why the last print of this thread failed, for the user; empty after a
// success.
std::wstring LastPrintError();

// The page the page setup gives at a resolution: its paper (orientation
// applied) and the paper less its margins. What the PDF path prints on.
PageGeometry PageSetupGeometry(const wxSize& ppi);

}  // namespace Platform
