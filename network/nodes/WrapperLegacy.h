#pragma once
// Setting wrappers in the legacy archive: the wrapper adds nothing, the value
// is written and read in its own encoding.
#include "foundation/core/FrameworkAdapters.h"
#include "foundation/core/NoInit.h"

namespace PardeloStravon {

template <typename T, auto V>
LegacyArchive& operator<<(LegacyArchive& ar, const NoInit<T, V>& w) {
  return ar << w.get();
}

template <typename T, auto V>
LegacyArchive& operator>>(LegacyArchive& ar, NoInit<T, V>& w) {
  return ar >> w.get();
}

template <typename T, const T& C>
LegacyArchive& operator<<(LegacyArchive& ar, const NoInitS<T, C>& w) {
  return ar << w.get();
}

template <typename T, const T& C>
LegacyArchive& operator>>(LegacyArchive& ar, NoInitS<T, C>& w) {
  return ar >> w.get();
}

}  // namespace PardeloStravon
