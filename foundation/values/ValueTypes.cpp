#include "foundation/values/ValueTypes.h"

#include <stdexcept>

namespace PardeloStravon {

namespace Detail {
void CheckStoredSize(const VUC& bytes, std::size_t storedBytes) {
  if (bytes.size() != storedBytes) throw std::range_error("In UVector2Struct");
}
}  // namespace Detail

VUC Struct2UVector(bool b) { return VUC{static_cast<unsigned char>(b ? 1 : 0)}; }

void UVector2Struct(const VUC& bytes, bool& b) {
  Detail::CheckStoredSize(bytes, 1);
  b = bytes[0] != 0;
}

bool IsDelay3Range(const RTTypePure& type) {
  return dynamic_cast<const RTTRXML<Delay3>*>(&type) != nullptr;
}

}  // namespace PardeloStravon
