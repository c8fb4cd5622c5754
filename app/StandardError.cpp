#include "app/StandardError.h"

#include <unistd.h>

#include <cerrno>

#include "foundation/core/TextConv.h"

namespace PardeloStravon {

void WriteStandardErrorLine(const std::wstring& text) {
  const std::string line = ToUtf8(text) + "\n";
  size_t written = 0;
  while (written < line.size()) {
    const ssize_t n = write(STDERR_FILENO, line.data() + written, line.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // nobody reads it: nothing more to do
    written += static_cast<size_t>(n);
  }
}

}  // namespace PardeloStravon
