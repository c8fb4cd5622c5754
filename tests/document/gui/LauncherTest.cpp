// The help launchers: the length rule of the started script's argument,
// texts built once, every call a start, and a real start.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "document/gui/Launchers.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "platform/ProcessStarter.h"
#include "tests/support/CatalogueFixture.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDir.h"

namespace {

using namespace PardeloStravon;

const wchar_t* const Message = L"In InstrumentUserManual() the argument of _wspawnl exceeds the maximum size";
const wchar_t* const Again = L"In InstrumentUserManual(), again, the argument of _wspawnl exceeds the maximum size";

struct Start {
  std::string program;
  std::vector<std::string> arguments;
};

struct LengthCase {
  std::size_t pathLength;
  int records;
  std::size_t argumentLength;
};

TEST(Launchers, TheQuotedPathIsCutAt512CharactersWithOneRecordWhileTheScriptStartsAtItsFullPath) {
  const std::wstring tail = L"/Scripts/LngPick.bat";
  for (const LengthCase& c : {LengthCase{510, 0, 512}, LengthCase{511, 1, 512}, LengthCase{400, 0, 402}}) {
    SCOPED_TRACE(c.pathLength);
    const std::wstring folder(c.pathLength - tail.size(), L'f');
    std::vector<Start> starts;
    TestSupport::LogCapture errors(ErrorLog);
    ScriptLauncher launcher(L"LngPick.bat", Message, Again, [&] { return folder; },
                            [&](const std::string& p, const std::vector<std::string>& a) { starts.push_back({p, a}); });
    launcher.Launch();
    launcher.Launch();
    EXPECT_EQ(errors.Count(Message), c.records);
    EXPECT_EQ(errors.Count(Again), 0);
    ASSERT_EQ(starts.size(), 2u);
    for (const Start& s : starts) {
      EXPECT_EQ(s.program, ToUtf8(folder + tail));
      ASSERT_EQ(s.arguments.size(), 1u);
      EXPECT_EQ(s.arguments[0].size(), c.argumentLength);
      EXPECT_EQ(s.arguments[0].front(), '"');
    }
    EXPECT_EQ(launcher.ScriptPath().size(), c.pathLength);
  }
}

TEST(Launchers, TheTextsAreBuiltAtTheFirstCallOnly) {
  std::wstring folder = L"/first";
  int starts = 0;
  ScriptLauncher launcher(L"LngPickHlp.bat", Message, Again, [&] { return folder; },
                          [&](const std::string&, const std::vector<std::string>&) { ++starts; });
  launcher.Launch();
  folder = L"/second";
  launcher.Launch();
  EXPECT_EQ(launcher.ScriptPath(), L"/first/Scripts/LngPickHlp.bat");
  EXPECT_EQ(starts, 2);
}

TEST(Launchers, ARealStartRunsTheScriptWithoutWaiting) {
  TestSupport::TempDir dir;
  std::filesystem::create_directories(dir.File("Scripts"));
  const auto marker = dir.File("started");
  std::ofstream(dir.File("Scripts") / "LngPick.bat") << "echo started > '" << marker.string() << "'\n";
  ScriptLauncher launcher(L"LngPick.bat", Message, Again, [&] { return FromUtf8(dir.File("").string()); },
                          [](const std::string& p, const std::vector<std::string>&) {
                            Platform::StartProcess(p, {});
                          });
  launcher.Launch();
  ASSERT_TRUE(Platform::WaitForStartedProcesses(std::chrono::seconds(10)));
  EXPECT_TRUE(std::filesystem::exists(marker));
}

TEST(Launchers, AMissingScriptShowsAndLogsNothing) {
  TestSupport::LogCapture errors(ErrorLog);
  TestSupport::TempDir dir;
  ScriptLauncher launcher(L"LngPick.bat", Message, Again, [&] { return FromUtf8(dir.File("").string()); },
                          [](const std::string& p, const std::vector<std::string>&) {
                            Platform::StartProcess(p, {});
                          });
  launcher.Launch();
  Platform::WaitForStartedProcesses(std::chrono::seconds(10));
  EXPECT_EQ(errors.Text(), L"");
}

// The help commands as the monitor starts them, with a stand-in opener on
// PATH: each asks for the page or folder shipped beside the program, the
// help page in the language of the windows.
TEST(Launchers, TheHelpCommandsAskForTheShippedPageInTheWindowsLanguageAndForTheManualsFolder) {
  TestSupport::LoadShippedCatalogue();
  TestSupport::TempDir bin;
  const auto asked = bin.File("asked");
  std::ofstream(bin.File("xdg-open")) << "#!/bin/sh\nprintf '%s' \"$1\" > '" << asked.string() << ".tmp' && mv '"
                                      << asked.string() << ".tmp' '" << asked.string() << "'\n";
  std::filesystem::permissions(bin.File("xdg-open"), std::filesystem::perms::owner_all);
  const std::string path = getenv("PATH") ? getenv("PATH") : "";
  setenv("PATH", (bin.File("").string() + ":" + path).c_str(), 1);
  const std::filesystem::path folder = ToUtf8(ProgramFolder());
  auto askedFor = [&](void (*command)()) {
    std::filesystem::remove(asked);
    command();
    Platform::WaitForStartedProcesses(std::chrono::seconds(10));
    for (int i = 0; i < 100 && !std::filesystem::exists(asked); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::ifstream in(asked);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  };
  const std::pair<std::size_t, const char*> pages[] = {{0, "Vantor_en.html"}, {1, "Vantor_it.html"}};
  for (const auto& [language, page] : pages) {
    SetCurrentLanguage(language);
    const std::string got = askedFor(GlaciraMonitorHelp);
    EXPECT_EQ(got, (folder / "Help" / page).string());
    EXPECT_TRUE(std::filesystem::is_regular_file(got)) << got;
  }
  SetCurrentLanguage(0);
  const std::string manuals = askedFor(InstrumentUserManual);
  EXPECT_EQ(manuals, (folder / "Manuals").string());
  EXPECT_TRUE(std::filesystem::is_directory(manuals)) << manuals;
  setenv("PATH", path.c_str(), 1);
}

}  // namespace
