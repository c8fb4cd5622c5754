#include "app/SplashRule.h"

namespace PardeloStravon {

SplashStep SplashRule(unsigned elapsedMs, unsigned minimumMs, bool mainWindowExists, unsigned flags) {
  if (minimumMs == SplashNoTimer || elapsedMs < minimumMs) return SplashStep::wait;
  if ((flags & SplashCloseWithoutMainWindow) || mainWindowExists) return SplashStep::close;
  return SplashStep::checkAgain;
}

}  // namespace PardeloStravon
