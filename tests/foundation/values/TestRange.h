#pragma once
// A parameter's range object made from its bounds, for the value tests.
#include <memory>

#include "foundation/values/ValueTypes.h"

namespace TestSupport {

template <class T>
std::shared_ptr<PardeloStravon::RTTRange> Range(T min, T max, T dft) {
  return std::make_shared<PardeloStravon::RTTRXML<T>>(min, max, dft);
}

}  // namespace TestSupport
