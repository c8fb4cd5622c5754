#pragma once
// The bitmaps compiled into the program, by resource number.
#include <span>

constexpr unsigned IDB_SPLASH = 151;

// The BMP file of the resource, or an empty span for an unknown number.
std::span<const unsigned char> BitmapResource(unsigned id);
