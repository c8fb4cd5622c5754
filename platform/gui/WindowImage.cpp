#include "platform/gui/WindowImage.h"

#include <gtk/gtk.h>
#include <wx/window.h>

#include <cstdint>
#include <cstring>

namespace Platform {

wxImage WindowImage(wxWindow& window) {
  GtkWidget* widget = window.GetHandle();
  if (!widget || !gtk_widget_get_realized(widget)) return wxImage();
  const int width = gtk_widget_get_allocated_width(widget);
  const int height = gtk_widget_get_allocated_height(widget);
  if (width <= 0 || height <= 0) return wxImage();

  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(surface);
  // Parts the widgets leave unpainted come out white, not black.
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  gtk_widget_draw(widget, cr);
  cairo_destroy(cr);
  cairo_surface_flush(surface);

  wxImage image(width, height, false);
  const unsigned char* rows = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  unsigned char* out = image.GetData();
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      // Each pixel is one native 32-bit word, 0x00RRGGBB.
      std::uint32_t pixel;
      std::memcpy(&pixel, rows + static_cast<std::ptrdiff_t>(y) * stride + x * 4, sizeof pixel);
      *out++ = static_cast<unsigned char>(pixel >> 16);
      *out++ = static_cast<unsigned char>(pixel >> 8);
      *out++ = static_cast<unsigned char>(pixel);
    }
  }
  cairo_surface_destroy(surface);
  return image;
}

}  // namespace Platform
