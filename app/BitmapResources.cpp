#include "app/BitmapResources.h"

#include "app/SplashBitmapData.h"

std::span<const unsigned char> BitmapResource(unsigned id) {
  if (id == IDB_SPLASH) return {SplashBitmapBytes, SplashBitmapSize};
  return {};
}
