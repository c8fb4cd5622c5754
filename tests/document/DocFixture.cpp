#include "tests/document/DocFixture.h"

#include "tests/support/TempDir.h"

namespace TestSupport {

std::string Golden(const std::string& name) {
  return ReadFileBytes(std::filesystem::path(VANTOR_DOC_GOLDEN_DIR) / name);
}

}  // namespace TestSupport
