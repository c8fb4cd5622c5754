#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "document/DocLegacyFormat.h"
#include "document/DocXmlFormat.h"
#include "tests/document/DocChanged.h"
#include "tests/document/DocFixture.h"
#include "tests/support/FileSizeLimit.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

namespace fs = std::filesystem;

enum class Format { xml, legacy };

class DocSave : public DocFixture, public testing::WithParamInterface<Format> {
 public:
  const char* Name() const { return GetParam() == Format::xml ? "net.qzid" : "net.qzi"; }
  bool Save(const std::wstring& path) {
    if (GetParam() == Format::xml) return Hlp().PortableSerialize(path, true);
    return Hlp().SerializeDocLegacy(path, true) != QziDocIHlp::LegacyResult::failed;
  }
  std::string Bytes() {
    if (GetParam() == Format::xml) return SaveDocXml(F());
    const auto b = SaveDocLegacy(F());
    return std::string(b.begin(), b.end());
  }
  void LoadBytes(const std::string& bytes) {
    if (GetParam() == Format::xml)
      LoadDocXml(F(), bytes);
    else
      LoadDocLegacyBytes(F(), std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  }
  bool TemporaryFilesLeft() const {
    for (const auto& e : fs::recursive_directory_iterator(dir_.Path()))
      if (e.path().filename().string().rfind(".net.", 0) == 0) return true;
    return false;
  }
};

TEST_P(DocSave, OverAnExistingFile_WritesTheNewContentWithTheOldPermissionBits) {
  ChangeEverything(Fresh());
  const fs::path target = dir_.File(Name());
  WriteFileBytes(target, "old");
  fs::permissions(target, fs::perms(0604));
  // The caller of a successful save clears the modified mark, not the writer.
  Std().SetModified(true);
  ASSERT_TRUE(Save(PathOf(Name())));
  EXPECT_TRUE(Std().IsModified());
  EXPECT_EQ(ReadFileBytes(target), Bytes());
  EXPECT_EQ(static_cast<int>(fs::status(target).permissions()), 0604);
  EXPECT_FALSE(TemporaryFilesLeft());
  EXPECT_EQ(errors_.Text(), L"");
}

TEST_P(DocSave, AnOutputThatFailsPartWay_LeavesTheTargetAsItWas) {
  ChangeEverything(Fresh());
  const fs::path target = dir_.File(Name());
  WriteFileBytes(target, "old document");
  {
    const FileSizeLimit limit(100);
    EXPECT_FALSE(Save(PathOf(Name())));
  }
  EXPECT_EQ(ReadFileBytes(target), "old document");
  EXPECT_FALSE(TemporaryFilesLeft());
  EXPECT_EQ(errors_.Count(L"Error in QziDocIHlp::"), 1) << errors_.Text();
}

TEST_P(DocSave, WhatCouldNotBeOpenedForWriting_GivesFalseWithoutARecord) {
  Fresh();
  struct Case {
    const char* name;
    std::string target;
    bool readOnly;
  };
  const Case cases[] = {
      {"the folder does not exist", std::string("none/") + Name(), false},
      {"the target is a folder", "folder", false},
      {"the target may not be written", Name(), true},
  };
  fs::create_directory(dir_.File("folder"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.readOnly) {
      if (::geteuid() == 0) continue;  // root may write every file
      WriteFileBytes(dir_.File(c.target), "old");
      fs::permissions(dir_.File(c.target), fs::perms(0444));
    }
    EXPECT_FALSE(Save(PathOf(c.target)));
    EXPECT_EQ(errors_.Text(), L"");
    EXPECT_FALSE(fs::exists(dir_.File("none")));
    EXPECT_TRUE(fs::is_directory(dir_.File("folder")));
    if (c.readOnly) {
      EXPECT_EQ(ReadFileBytes(dir_.File(c.target)), "old");
    }
    EXPECT_FALSE(TemporaryFilesLeft());
  }
}

TEST_P(DocSave, ASymbolicLink_StaysAndTheFileItPointsToIsReplaced) {
  ChangeEverything(Fresh());
  fs::create_directory(dir_.File("real"));
  WriteFileBytes(dir_.File("real/doc"), "old");
  fs::create_symlink("real/doc", dir_.File(Name()));
  ASSERT_TRUE(Save(PathOf(Name())));
  EXPECT_TRUE(fs::is_symlink(dir_.File(Name())));
  EXPECT_EQ(ReadFileBytes(dir_.File("real/doc")), Bytes());
}

// A save killed at any moment leaves the old document or the new one.
TEST_P(DocSave, KilledAtRandomMoments_TheTargetIsAlwaysOneWholeDocument) {
  ChangeEverything(Fresh());
  Graph().gRGB_ = 1;
  const std::string first = Bytes();
  Graph().gRGB_ = 2;
  const std::string second = Bytes();
  ASSERT_NE(first, second);
  ASSERT_TRUE(Save(PathOf(Name())));
  std::mt19937 random(12345);
  for (int round = 0; round < 15; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (unsigned long i = 0;; ++i) {
        Graph().gRGB_ = 1 + i % 2;
        Save(PathOf(Name()));
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200 + random() % 20000));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    const std::string bytes = ReadFileBytes(dir_.File(Name()));
    ASSERT_TRUE(bytes == first || bytes == second) << "round " << round;
    Fresh();
    EXPECT_NO_THROW(LoadBytes(bytes));
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, DocSave, testing::Values(Format::xml, Format::legacy),
                         [](const testing::TestParamInfo<Format>& info) {
                           return info.param == Format::xml ? "Xml" : "Legacy";
                         });

}  // namespace
