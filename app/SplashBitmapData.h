#pragma once
// The bytes of resources/splash151.bmp, generated at build time.
#include <cstddef>

extern const unsigned char SplashBitmapBytes[];
extern const std::size_t SplashBitmapSize;
