#include "app/CDib.h"

#include "app/BitmapResources.h"

#include <algorithm>

namespace {

constexpr unsigned MaxColorEntries = 256;

int BytesPerLine(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

// Each destination pixel takes the source pixel under its centre, with no
// smoothing. The toolkit's own scaling averages whenever the size divides
// evenly, whatever quality it is asked for.
wxImage StretchNearest(const wxImage& image, const wxRect& from, wxSize to) {
  wxImage out(to.x, to.y, false);
  if (image.HasAlpha()) out.InitAlpha();
  const unsigned char* src = image.GetData();
  const unsigned char* srcAlpha = image.GetAlpha();
  unsigned char* dstAlpha = out.GetAlpha();
  unsigned char* dst = out.GetData();
  const int stride = image.GetWidth();
  for (int y = 0; y < to.y; ++y) {
    const int sy = from.y + static_cast<int>((2LL * y + 1) * from.height / (2LL * to.y));
    for (int x = 0; x < to.x; ++x) {
      const int sx = from.x + static_cast<int>((2LL * x + 1) * from.width / (2LL * to.x));
      std::copy_n(src + 3 * (static_cast<std::size_t>(sy) * stride + sx), 3,
                  dst + 3 * (static_cast<std::size_t>(y) * to.x + x));
      if (srcAlpha)
        dstAlpha[static_cast<std::size_t>(y) * to.x + x] = srcAlpha[static_cast<std::size_t>(sy) * stride + sx];
    }
  }
  return out;
}

}  // namespace

CDib::~CDib() { DeleteObject(); }

bool CDib::Load(unsigned resourceId, const void* /*module*/) {
  const auto bytes = BitmapResource(resourceId);
  if (bytes.empty()) {
    DeleteObject();
    return false;
  }
  auto dib = ReadDibSection(bytes);
  if (!dib) {
    DeleteObject();
    return false;
  }
  return Attach(std::move(*dib));
}

bool CDib::Attach(DibSection dib) {
  DeleteObject();
  if (!dib.image.IsOk()) return false;
  wxBitmap bitmap(dib.image);
  if (!bitmap.IsOk()) return false;
  bitmap_ = bitmap;
  image_ = std::move(dib.image);
  colorTable_ = std::move(dib.colorTable);
  desc_.bmWidth = image_.GetWidth();
  desc_.bmHeight = image_.GetHeight();
  desc_.bmBitsPixel = dib.bitsPerPixel;
  desc_.bmWidthBytes = BytesPerLine(desc_.bmWidth, desc_.bmBitsPixel);
  desc_.bmPlanes = 1;
  desc_.bmBits = image_.GetData();
  CreatePalette(palette_);
  return true;
}

bool CDib::Draw(wxDC& dc, const wxRect* dest, const wxRect* src, bool /*useDrawDib*/,
                const CPalette* /*palette*/, bool /*foreground*/) {
  if (!bitmap_.IsOk() || !dc.IsOk()) return false;
  const wxRect whole(0, 0, desc_.bmWidth, desc_.bmHeight);
  const wxRect from = src ? *src : whole;
  const wxRect to = dest ? *dest : from;
  if (from.IsEmpty() || to.IsEmpty() || !whole.Contains(from)) return false;

  if (from.GetSize() == to.GetSize()) {
    dc.DrawBitmap(from == whole ? bitmap_ : bitmap_.GetSubBitmap(from), to.GetPosition());
  } else {
    dc.DrawBitmap(wxBitmap(StretchNearest(image_, from, to.GetSize())), to.GetPosition());
  }
  return true;
}

void CDib::DeleteObject() {
  palette_.DeleteObject();
  desc_ = DibDescription{};
  colorTable_.clear();
  image_ = wxImage();
  bitmap_ = wxBitmap();
}

unsigned CDib::GetColorTable(RgbQuad* table, unsigned count) const {
  const auto n = std::min<std::size_t>(count, colorTable_.size());
  std::copy_n(colorTable_.begin(), n, table);
  return static_cast<unsigned>(n);
}

bool CDib::CreatePalette(CPalette& palette) const {
  RgbQuad table[MaxColorEntries];
  const unsigned n = GetColorTable(table, MaxColorEntries);
  if (n == 0) return palette.CreateHalftonePalette();
  std::vector<PaletteEntry> entries(n);
  for (unsigned i = 0; i < n; ++i) entries[i] = {table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
  return palette.CreatePalette(std::move(entries));
}
