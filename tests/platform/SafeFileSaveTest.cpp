#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "platform/SafeFileSave.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempDir.h"

using namespace Platform;
using TestSupport::ReadFileBytes;
using TestSupport::FileSizeLimit;
using TestSupport::TempDir;
using TestSupport::WriteFileBytes;

namespace {

const std::string OldBytes = "old settings, whole\n";
const std::string NewBytes(4096, 'n');

bool TemporaryFilesLeft(const std::filesystem::path& folder) {
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    if (entry.path().extension() == ".tmp") return true;
  return false;
}

}  // namespace

TEST(SafeFileSave, Save_ReplacesTheTargetAndLeavesALeftoverTemporaryFileAlone) {
  TempDir dir;
  const auto target = dir.File("a.qzis");
  WriteFileBytes(target, OldBytes);
  // A longer leftover of a killed save must not reach the new file, and a
  // save never writes into a file it did not create.
  const std::string leftover(10000, 'x');
  WriteFileBytes(dir.File("a.qzis.tmp"), leftover);
  SaveFileSafely(target.string(), NewBytes);
  EXPECT_EQ(ReadFileBytes(target), NewBytes);
  EXPECT_EQ(ReadFileBytes(dir.File("a.qzis.tmp")), leftover);
  std::filesystem::remove(dir.File("a.qzis.tmp"));
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
       "Is a directory"},
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

TEST(SafeFileSave, Save_KeepsTheOldPermissionBitsAndASymbolicLink) {
  TempDir dir;
  const auto target = dir.File("a.qzid");
  WriteFileBytes(target, OldBytes);
  std::filesystem::permissions(target, std::filesystem::perms(0640));
  SaveFileSafely(target.string(), NewBytes);
  EXPECT_EQ(ReadFileBytes(target), NewBytes);
  EXPECT_EQ(static_cast<int>(std::filesystem::status(target).permissions()), 0640);

  std::filesystem::create_directory(dir.File("real"));
  const auto real = dir.File("real/b.qzid");
  WriteFileBytes(real, OldBytes);
  const auto link = dir.File("link.qzid");
  std::filesystem::create_symlink("real/b.qzid", link);
  SaveFileSafely(link.string(), NewBytes);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadFileBytes(real), NewBytes);
  EXPECT_FALSE(TemporaryFilesLeft(dir.Path()));
}

// What refused opening the file for writing still refuses, creating nothing.
TEST(SafeFileSave, WhatCouldNotBeOpenedForWriting_IsRefusedAndCreatesNothing) {
  struct Case {
    const char* name;
    const char* target;
    bool readOnlyTarget;
  };
  const Case cases[] = {
      {"the folder does not exist", "none/a.qzid", false},
      {"the target is a folder", "folder", false},
      {"the target may not be written", "ro.qzid", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.readOnlyTarget && ::geteuid() == 0) continue;  // root writes every file
    TempDir dir;
    std::filesystem::create_directory(dir.File("folder"));
    WriteFileBytes(dir.File("ro.qzid"), OldBytes);
    std::filesystem::permissions(dir.File("ro.qzid"), std::filesystem::perms(0444));
    EXPECT_THROW(SaveFileSafely(dir.File(c.target).string(), NewBytes), SaveRefused);
    EXPECT_EQ(ReadFileBytes(dir.File("ro.qzid")), OldBytes);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("none")));
    EXPECT_FALSE(TemporaryFilesLeft(dir.Path()));
  }
}
