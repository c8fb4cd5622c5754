#include <gtest/gtest.h>

#include <sys/resource.h>

#include <filesystem>
#include <functional>
#include <string>

#include "platform/SafeFileSave.h"
#include "tests/support/TempDir.h"

using namespace Platform;
using TestSupport::ReadFileBytes;
using TestSupport::TempDir;
using TestSupport::WriteFileBytes;

namespace {

const std::string OldBytes = "old settings, whole\n";
const std::string NewBytes(4096, 'n');

// Lowers the file-size limit for the test's life; root is bound by it too.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit lowered = old_;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }

 private:
  rlimit old_{};
};

bool TemporaryFilesLeft(const std::filesystem::path& folder) {
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    if (entry.path().extension() == ".tmp") return true;
  return false;
}

}  // namespace

TEST(SafeFileSave, Save_ReplacesTheTargetAndAnyLeftoverTemporaryFile) {
  TempDir dir;
  const auto target = dir.File("a.qzis");
  WriteFileBytes(target, OldBytes);
  // A longer leftover of a killed save must not survive in the new file.
  WriteFileBytes(dir.File("a.qzis.tmp"), std::string(10000, 'x'));
  SaveFileSafely(target.string(), NewBytes);
  EXPECT_EQ(ReadFileBytes(target), NewBytes);
  EXPECT_FALSE(TemporaryFilesLeft(dir.Path()));
}

TEST(SafeFileSave, SaveIntoNewFile_CreatesIt) {
  TempDir dir;
  const auto target = dir.File("\xC3\xA9t\xC3\xA9.qzis");
  SaveFileSafely(target.string(), "");
  EXPECT_TRUE(std::filesystem::is_regular_file(target));
  SaveFileSafely(target.string(), NewBytes);
  EXPECT_EQ(ReadFileBytes(target), NewBytes);
}

// Each way a save can fail: what stands in the target's place before, and
// the file that must keep its old bytes.
struct FailedSaveCase {
  const char* name;
  const char* folder;  // made first when not empty
  const char* kept;    // holds the old bytes
  const char* target;
  rlim_t sizeLimit;
  const char* cause;  // part of the message
};

TEST(SafeFileSave, FailedSave_LeavesTheOldFileWholeReportsItAndLeavesNoTemporaryFile) {
  const FailedSaveCase cases[] = {
      {"write beyond the file-size limit", "", "a.qzis", "a.qzis", 1000, "write"},
      {"a folder in the target's place", "a.qzis", "a.qzis/inside", "a.qzis", RLIM_INFINITY,
       "rename"},
      {"the target's folder is a file", "", "plain", "plain/a.qzis", RLIM_INFINITY, "open"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    if (*c.folder) std::filesystem::create_directory(dir.File(c.folder));
    WriteFileBytes(dir.File(c.kept), OldBytes);
    const auto target = dir.File(c.target);
    std::string message;
    {
      const FileSizeLimit limit(c.sizeLimit);
      try {
        SaveFileSafely(target.string(), NewBytes);
      } catch (const SaveFailure& e) {
        message = e.what();
      }
    }
    EXPECT_NE(message.find(target.string()), std::string::npos) << message;
    EXPECT_NE(message.find(c.cause), std::string::npos) << message;
    EXPECT_EQ(ReadFileBytes(dir.File(c.kept)), OldBytes);
    EXPECT_FALSE(TemporaryFilesLeft(dir.Path()));
  }
}
