#pragma once
// A device-independent bitmap as read from a BMP file: its pixels, its depth
// and its colour table (which a toolkit bitmap on X does not keep).
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include <wx/image.h>

#include "app/Palette.h"

struct DibSection {
  wxImage image;
  int bitsPerPixel = 0;
  // Empty for more than 8 bits per pixel.
  std::vector<RgbQuad> colorTable;
};

// Reads a whole BMP file held in memory; nothing when it is not one, is
// truncated or its colour table runs past its pixels.
std::optional<DibSection> ReadDibSection(std::span<const unsigned char> bmp);
