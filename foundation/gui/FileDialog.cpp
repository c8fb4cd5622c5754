#include "foundation/gui/FileDialog.h"

#include "platform/gui/FileChooser.h"

namespace PardeloStravon {

std::wstring FileDialog(const std::wstring& a, const std::wstring& b, int mode) {
  return Platform::ChooseFile(nullptr, a + b, mode);
}

}  // namespace PardeloStravon
