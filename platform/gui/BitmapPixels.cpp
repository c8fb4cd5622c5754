#include "platform/gui/BitmapPixels.h"

#include <cairo.h>
#include <wx/graphics.h>

#include <algorithm>
#include <cmath>

namespace Platform {

namespace {

// The image under gc and where gc's coordinates lie on it: null unless
// reachable.
cairo_surface_t* ImageOf(wxGraphicsContext* gc, wxPoint& shift, wxRect& clip) {
  auto* cr = gc ? static_cast<cairo_t*>(gc->GetNativeContext()) : nullptr;
  if (!cr || cairo_status(cr) != CAIRO_STATUS_SUCCESS) return nullptr;
  cairo_surface_t* target = cairo_get_target(cr);
  if (cairo_get_group_target(cr) != target || cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE) return nullptr;
  const cairo_format_t format = cairo_image_surface_get_format(target);
  if (format != CAIRO_FORMAT_RGB24 && format != CAIRO_FORMAT_ARGB32) return nullptr;
  double sx = 1, sy = 1, ox = 0, oy = 0;
  cairo_surface_get_device_scale(target, &sx, &sy);
  cairo_surface_get_device_offset(target, &ox, &oy);
  cairo_matrix_t m;
  cairo_get_matrix(cr, &m);
  const double dx = m.x0 + ox, dy = m.y0 + oy;
  if (sx != 1 || sy != 1 || m.xx != 1 || m.yy != 1 || m.xy != 0 || m.yx != 0 || dx != std::floor(dx) ||
      dy != std::floor(dy))
    return nullptr;
  shift = wxPoint(static_cast<int>(dx), static_cast<int>(dy));
  // The clip as the context's rectangles; more than one is not reachable.
  cairo_rectangle_list_t* list = cairo_copy_clip_rectangle_list(cr);
  const bool one = list->status == CAIRO_STATUS_SUCCESS && list->num_rectangles <= 1;
  if (one) {
    clip = wxRect();
    if (list->num_rectangles == 1) {
      const cairo_rectangle_t& r = list->rectangles[0];
      const double x0 = std::ceil(r.x), y0 = std::ceil(r.y);
      const double x1 = std::floor(r.x + r.width), y1 = std::floor(r.y + r.height);
      if (x1 > x0 && y1 > y0)
        clip = wxRect(static_cast<int>(x0) + shift.x, static_cast<int>(y0) + shift.y, static_cast<int>(x1 - x0),
                      static_cast<int>(y1 - y0));
    }
    clip.Intersect(wxRect(0, 0, cairo_image_surface_get_width(target), cairo_image_surface_get_height(target)));
  }
  cairo_rectangle_list_destroy(list);
  return one ? target : nullptr;
}

std::uint32_t Pixel(const wxColour& c) {
  return 0xff000000u | static_cast<std::uint32_t>(c.Red()) << 16 | static_cast<std::uint32_t>(c.Green()) << 8 |
         c.Blue();
}

}  // namespace

bool BitmapPixels::Reachable(wxGraphicsContext* gc) {
  wxPoint shift;
  wxRect clip;
  return ImageOf(gc, shift, clip) != nullptr;
}

BitmapPixels::BitmapPixels(wxGraphicsContext* gc, const wxColour& colour) : ink_(Pixel(colour)) {
  cairo_surface_t* image = ImageOf(gc, shift_, clip_);
  if (!image) return;
  cairo_surface_flush(image);
  gc_ = gc;
  data_ = cairo_image_surface_get_data(image);
  stride_ = cairo_image_surface_get_stride(image);
}

BitmapPixels::~BitmapPixels() {
  if (!data_ || dirtyRight_ < dirtyLeft_) return;
  cairo_surface_mark_dirty_rectangle(cairo_get_target(static_cast<cairo_t*>(gc_->GetNativeContext())), dirtyLeft_,
                                     dirtyTop_, dirtyRight_ - dirtyLeft_ + 1, dirtyBottom_ - dirtyTop_ + 1);
}

void BitmapPixels::Dirty(int left, int top, int right, int bottom) {
  if (dirtyRight_ < dirtyLeft_) {
    dirtyLeft_ = left, dirtyTop_ = top, dirtyRight_ = right, dirtyBottom_ = bottom;
    return;
  }
  dirtyLeft_ = std::min(dirtyLeft_, left);
  dirtyTop_ = std::min(dirtyTop_, top);
  dirtyRight_ = std::max(dirtyRight_, right);
  dirtyBottom_ = std::max(dirtyBottom_, bottom);
}

bool BitmapPixels::Inside(const wxRect& r, wxRect& in) const {
  in = wxRect(r.x + shift_.x, r.y + shift_.y, r.width, r.height);
  return data_ && !in.IsEmpty() && clip_.Contains(in);
}

bool BitmapPixels::Read(const wxRect& r, std::vector<std::uint32_t>& kept) const {
  wxRect in;
  if (!Inside(r, in)) return false;
  kept.resize(static_cast<std::size_t>(in.width) * in.height);
  for (int y = 0; y < in.height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data_ + static_cast<std::ptrdiff_t>(in.y + y) * stride_);
    std::copy(row + in.x, row + in.x + in.width, kept.begin() + static_cast<std::ptrdiff_t>(y) * in.width);
  }
  return true;
}

bool BitmapPixels::Write(const wxRect& r, const std::vector<std::uint32_t>& kept) {
  wxRect in;
  if (!Inside(r, in) || kept.size() != static_cast<std::size_t>(in.width) * in.height) return false;
  for (int y = 0; y < in.height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data_ + static_cast<std::ptrdiff_t>(in.y + y) * stride_);
    std::copy(kept.begin() + static_cast<std::ptrdiff_t>(y) * in.width,
              kept.begin() + static_cast<std::ptrdiff_t>(y + 1) * in.width, row + in.x);
  }
  Dirty(in.x, in.y, in.GetRight(), in.GetBottom());
  return true;
}

void BitmapPixels::Fill(const wxRect& r) {
  if (!data_) return;
  const wxRect in = wxRect(r.x + shift_.x, r.y + shift_.y, r.width, r.height).Intersect(clip_);
  if (in.IsEmpty()) return;
  for (int y = in.y; y < in.y + in.height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data_ + static_cast<std::ptrdiff_t>(y) * stride_);
    std::fill(row + in.x, row + in.x + in.width, ink_);
  }
  Dirty(in.x, in.y, in.GetRight(), in.GetBottom());
}

namespace {

// Two channels at once, eight bits apart, each rounded as the toolkit's
// compositing rounds a product of two bytes.
inline std::uint32_t MulPair(std::uint32_t pair, std::uint32_t a) {
  const std::uint32_t t = (pair & 0xff00ffu) * a + 0x800080u;
  return ((t + ((t >> 8) & 0xff00ffu)) >> 8) & 0xff00ffu;
}

inline std::uint32_t AddPair(std::uint32_t a, std::uint32_t b) {
  std::uint32_t t = a + b;
  t |= 0x1000100u - ((t >> 8) & 0xff00ffu);
  return t & 0xff00ffu;
}

// s laid over d with the coverage m, as a smoothed edge of a stroke.
inline std::uint32_t Over(std::uint32_t s, std::uint32_t d, std::uint32_t m) {
  const std::uint32_t rest = 255 - m;
  return AddPair(MulPair(s, m), MulPair(d, rest)) | AddPair(MulPair(s >> 8, m), MulPair(d >> 8, rest)) << 8;
}

}  // namespace

void BitmapPixels::Lay(int x, int y, const std::vector<MarkPixel>& mark, const wxRect& skip) {
  if (!data_ || mark.empty()) return;
  const wxRect skipped(skip.x + shift_.x, skip.y + shift_.y, skip.width, skip.height);
  x += shift_.x;
  y += shift_.y;
  int left = x, top = y, right = x, bottom = y;
  for (const MarkPixel& p : mark) {
    const int px = x + p.dx, py = y + p.dy;
    if (px < clip_.x || py < clip_.y || px >= clip_.x + clip_.width || py >= clip_.y + clip_.height || !p.coverage)
      continue;
    if (px >= skipped.x && py >= skipped.y && px < skipped.x + skipped.width && py < skipped.y + skipped.height)
      continue;
    auto& d = reinterpret_cast<std::uint32_t*>(data_ + static_cast<std::ptrdiff_t>(py) * stride_)[px];
    d = Over(ink_, d, std::min(p.coverage, 255u));
    left = std::min(left, px), right = std::max(right, px);
    top = std::min(top, py), bottom = std::max(bottom, py);
  }
  Dirty(left, top, right, bottom);
}

}  // namespace Platform
