#pragma once
// The pixels of the image a graphics context draws into in memory, for
// laying thousands of small pixel-aligned marks without a fill or a stroke
// each: there the toolkit's cost per call far exceeds the pixels' own. The
// marks blend as the toolkit blends a smoothed edge, so they give its pixels.
#include <wx/colour.h>
#include <wx/gdicmn.h>

#include <cstdint>
#include <vector>

class wxGraphicsContext;

namespace Platform {

// A pixel of a mark, from the mark's point, and how much of it is covered
// (0 none, 255 whole).
struct MarkPixel {
  int dx, dy;
  unsigned coverage;
};

class BitmapPixels {
 public:
  // Reachable when gc draws into an image in memory, unscaled and
  // unrotated, clipped to at most one rectangle. Draw nothing else through
  // gc while this lives: the context learns of the changed pixels when it
  // goes.
  static bool Reachable(wxGraphicsContext* gc);
  // Every pixel filled or laid in the colour, opaque.
  explicit BitmapPixels(wxGraphicsContext* gc, const wxColour& colour = *wxBLACK);
  ~BitmapPixels();
  BitmapPixels(const BitmapPixels&) = delete;
  BitmapPixels& operator=(const BitmapPixels&) = delete;

  bool Ok() const { return data_ != nullptr; }
  // Pixels in the context's coordinates, limited to its clip.
  void Fill(const wxRect& r);
  // The colour laid over the mark's pixels from (x, y), each with its
  // coverage, but those in skip (to be filled whole afterwards).
  void Lay(int x, int y, const std::vector<MarkPixel>& mark, const wxRect& skip = wxRect());
  // The pixels of r row by row into kept, and kept back into r: false,
  // with nothing copied, unless r lies inside the clip.
  bool Read(const wxRect& r, std::vector<std::uint32_t>& kept) const;
  bool Write(const wxRect& r, const std::vector<std::uint32_t>& kept);

 private:
  wxGraphicsContext* gc_ = nullptr;
  unsigned char* data_ = nullptr;
  int stride_ = 0;
  wxPoint shift_;  // context to image
  wxRect clip_;    // in the image
  std::uint32_t ink_ = 0;
  int dirtyLeft_ = 0, dirtyTop_ = 0, dirtyRight_ = -1, dirtyBottom_ = -1;  // inclusive
  void Dirty(int left, int top, int right, int bottom);
  bool Inside(const wxRect& r, wxRect& in) const;
};

}  // namespace Platform
