// A settings file being saved when the process is killed, or when the disk
// refuses the write or the rename: the file on disk is always the whole old
// content or the whole new one, and a refused save says so. These run as
// root too, where a read-only folder stops nothing.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/LoadResources.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "network/nodes/Node.h"
#include "network/nodes/SettingsFiles.h"
#include "tests/support/fuzz/ChosenFileUi.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using namespace PardeloStravon;
using TestSupport::ReadFileBytes;
using TestSupport::TempDir;

namespace {

class SaveKill : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(LoadResources(ProgramFolder()), L""); }

  SaveKill() : node_(InstrCodes().front())
  {
    const InstrPars settable = SettablePars(node_.Type().Pars());
    old_ = DefaultValues(settable);
    VUC frame = ToVUC(settable, old_);
    for (std::size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<unsigned char>(i * 7 + 1);
    new_ = FromVUC(settable, frame);
  }

  // Saves in this process; true when the save reported no failure.
  bool Save(const fs::path& target, const InstrParValues& values)
  {
    FuzzInput::ChosenFileUi ui;
    ui.path = FromUtf8(target.string());
    SaveSettings(node_, 5, values, ui);
    return ui.messages == 0;
  }

  // The bytes one whole save of the values writes.
  std::string Whole(const InstrParValues& values)
  {
    const fs::path p = dir_.File("whole.qzis");
    EXPECT_TRUE(Save(p, values));
    std::string bytes = ReadFileBytes(p);
    fs::remove(p);
    return bytes;
  }

  TempDir dir_;
  Node node_;
  InstrParValues old_;
  InstrParValues new_;
};

int KillsWanted()
{
  const char* kills = std::getenv("VANTOR_SAVE_KILLS");
  return kills ? std::atoi(kills) : 200;
}

TEST_F(SaveKill, KilledWhileSaving_LeavesTheWholeOldOrTheWholeNewFile)
{
  const std::string oldBytes = Whole(old_);
  const std::string newBytes = Whole(new_);
  ASSERT_NE(oldBytes, newBytes);
  const fs::path target = dir_.File("005_settings.qzis");
  ASSERT_TRUE(Save(target, old_));

  // How long one save takes, so that the kills spread over whole saves.
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 10; ++i) Save(target, i % 2 ? old_ : new_);
  const auto perSave = (std::chrono::steady_clock::now() - start) / 10;

  std::mt19937 rng(std::random_device{}());
  int oldSeen = 0;
  int newSeen = 0;
  int leftovers = 0;
  const int kills = KillsWanted();
  bool onDiskIsOld = ReadFileBytes(target) == oldBytes;
  for (int k = 0; k < kills; ++k) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(ready[0]);
      // Each save changes the file: the first writes what is not there. The
      // kill comes once the first is done, somewhere in the saves after it.
      int i = onDiskIsOld ? 0 : 1;
      Save(target, i++ % 2 ? old_ : new_);
      const char started = 1;
      if (write(ready[1], &started, 1) != 1) _exit(2);
      for (;; ++i) Save(target, i % 2 ? old_ : new_);
    }
    close(ready[1]);
    char started = 0;
    ASSERT_EQ(read(ready[0], &started, 1), 1);
    close(ready[0]);
    const auto wait = std::chrono::duration_cast<std::chrono::microseconds>(perSave) *
                      static_cast<long>(rng() % 3000) / 1000;
    std::this_thread::sleep_for(wait);
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));

    const std::string bytes = ReadFileBytes(target);
    ASSERT_TRUE(bytes == oldBytes || bytes == newBytes)
        << "after kill " << k << " the file holds " << bytes.size() << " bytes of neither save";
    onDiskIsOld = bytes == oldBytes;
    onDiskIsOld ? ++oldSeen : ++newSeen;
    // A kill between the start of a save and its rename leaves its
    // temporary file behind; the next save replaces it.
    for (const auto& entry : fs::directory_iterator(dir_.Path()))
      if (entry.path() != target) {
        ++leftovers;
        fs::remove_all(entry.path());
      }
  }
  std::printf("%d kills: %d left the old file, %d the new one; %d landed inside a save\n", kills,
              oldSeen, newSeen, leftovers);
  if (kills >= 50) {
    EXPECT_GT(oldSeen, 0);
    EXPECT_GT(newSeen, 0);
  }
}

// How a save is made to fail as root.
enum class Refusal { fileSizeLimit, parentIsAFile, directoryAtTarget };

struct RefusalCase {
  Refusal refusal;
  const char* name;
};

class SaveRefused : public SaveKill, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(SaveRefused, ReportsTheFailureAndKeepsWhatWasThere)
{
  const std::string oldBytes = Whole(old_);
  fs::path target = dir_.File("005_settings.qzis");
  switch (GetParam().refusal) {
    case Refusal::fileSizeLimit:
      ASSERT_TRUE(Save(target, old_));
      break;
    case Refusal::parentIsAFile:
      TestSupport::WriteFileBytes(dir_.File("folder"), "a file, not a folder");
      target = dir_.File("folder") / "005_settings.qzis";
      break;
    case Refusal::directoryAtTarget:
      fs::create_directories(target / "inside");
      break;
  }
  const auto before = [&] {
    std::vector<std::pair<std::string, std::string>> listing;
    for (const auto& e : fs::recursive_directory_iterator(dir_.Path()))
      listing.emplace_back(e.path().string(), e.is_regular_file() ? ReadFileBytes(e.path()) : "");
    std::sort(listing.begin(), listing.end());
    return listing;
  };
  const auto listing = before();

  // In a child, so that the file-size limit binds only the save.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (GetParam().refusal == Refusal::fileSizeLimit) {
      signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{static_cast<rlim_t>(oldBytes.size() / 3), static_cast<rlim_t>(oldBytes.size() / 3)};
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    _exit(Save(target, new_) ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the refused save was reported as done";
  EXPECT_EQ(before(), listing) << "the folder changed: a file was damaged or a temporary file was left";
}

const RefusalCase Refusals[] = {
    {Refusal::fileSizeLimit, "FileSizeLimit"},
    {Refusal::parentIsAFile, "ParentIsAFile"},
    {Refusal::directoryAtTarget, "DirectoryAtTarget"},
};

INSTANTIATE_TEST_SUITE_P(AsRoot, SaveRefused, ::testing::ValuesIn(Refusals),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
