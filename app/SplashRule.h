#pragma once
// When the splash window closes: not before its minimum time, then as soon
// as the main window exists (or at once with flag 4), checked every 100 ms.
namespace PardeloStravon {

enum SplashFlag : unsigned {
  // A key or mouse press on the splash closes it at once.
  SplashCloseOnInput = 1,
  // The command line is not consulted.
  SplashIgnoreCommandLine = 2,
  // Closes when the minimum time has passed, also while no main window exists.
  SplashCloseWithoutMainWindow = 4,
};

// A minimum time with all bits set starts no timer: the splash stays.
constexpr unsigned SplashNoTimer = 0xFFFFFFFFu;
constexpr unsigned SplashCheckPeriodMs = 100;

enum class SplashStep { wait, close, checkAgain };

// wait: the minimum time has not passed (or never will); close; or ask
// again after SplashCheckPeriodMs.
SplashStep SplashRule(unsigned elapsedMs, unsigned minimumMs, bool mainWindowExists, unsigned flags);

}  // namespace PardeloStravon
