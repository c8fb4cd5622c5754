#pragma once
// The splash window's bitmap: one device-independent bitmap compiled into
// the program, with the palette made from its colour table. The About box
// borrows its toolkit bitmap.
#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/gdicmn.h>
#include <wx/image.h>

#include <vector>

#include "app/DibSection.h"
#include "app/Palette.h"

// The description of the held bitmap; all zero when empty. Width, height,
// depth and line length are the BMP's; the bits are the pixels as the
// toolkit holds them (RGB, 3 bytes each).
struct DibDescription {
  int bmType = 0;
  int bmWidth = 0;
  int bmHeight = 0;
  int bmWidthBytes = 0;  // bytes per line, each line padded to 4 bytes
  int bmPlanes = 0;
  int bmBitsPixel = 0;
  const void* bmBits = nullptr;
};

class CDib {
 public:
  CDib() = default;
  virtual ~CDib();
  CDib(const CDib&) = delete;
  CDib& operator=(const CDib&) = delete;

  // The bitmap compiled in under that number (the module has no meaning
  // here); false, and the object empty, for any other number.
  bool Load(unsigned resourceId, const void* module = nullptr);
  // Takes the bitmap over and makes the palette anew; false, and the object
  // empty, when it holds no image.
  bool Attach(DibSection dib);

  wxSize GetSize() const { return {desc_.bmWidth, desc_.bmHeight}; }

  // Copies the source rectangle (null: the whole bitmap) into the
  // destination (null: the source's place and size): one to one at equal
  // sizes, otherwise stretched to the nearest pixel without smoothing. X has
  // neither palettes nor DrawDib, so the last three arguments change
  // nothing. False when empty, when a rectangle is empty or the source does
  // not lie inside the bitmap.
  bool Draw(wxDC& dc, const wxRect* dest = nullptr, const wxRect* src = nullptr,
            bool useDrawDib = true, const CPalette* palette = nullptr, bool foreground = false);

  void DeleteObject();

  // Copies up to count entries of the colour table; how many.
  unsigned GetColorTable(RgbQuad* table, unsigned count) const;
  // From the colour table, or the halftone table when there is none.
  bool CreatePalette(CPalette& palette) const;

  const DibDescription& GetDescription() const { return desc_; }
  const CPalette& GetPalette() const { return palette_; }
  // The toolkit's bitmap, invalid when empty.
  const wxBitmap& GetBitmap() const { return bitmap_; }

 private:
  wxBitmap bitmap_;
  DibDescription desc_;
  CPalette palette_;
  wxImage image_;
  std::vector<RgbQuad> colorTable_;
};
