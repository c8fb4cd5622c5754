#pragma once
// One raw instrument frame, or any run of bytes.
#include <vector>

namespace PardeloStravon {

typedef std::vector<unsigned char> VUC;

}  // namespace PardeloStravon
