#pragma once
// Pictures the toolkit decodes again and again, kept by their bytes.
//
// GTK 3 decodes its theme's check mark anew for every ticked box: three
// SVG parses per box, because each box's style makes a fresh image that
// caches nothing. A dialog of a thousand controls spent a third of its
// opening in librsvg. A decode is a pure function of the bytes and the size
// asked for, so the toolkit's calls into gdk-pixbuf for in-memory pictures
// and resources are answered with a copy of the earlier decode when the
// same bytes come again. Files, pictures that fail to decode and large
// pictures go to gdk-pixbuf as before.
//
// The calls are answered by defining gdk-pixbuf's own entry points in the
// program; every program linking the GUI layer gets them.
#include <cstddef>

namespace Platform {

struct ImageDecodeCounts {
  std::size_t decoded = 0;  // handed to gdk-pixbuf and kept
  std::size_t reused = 0;   // answered with a copy of a kept decode
};

ImageDecodeCounts ImageDecodeCacheCounts();

}  // namespace Platform
