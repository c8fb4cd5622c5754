#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/TextEditor.h"
#include "tests/support/TempDir.h"

using namespace Platform;
using TestSupport::TempDir;

namespace {

void MakeProgram(const TempDir& dir, const std::string& name) {
  TestSupport::WriteFileBytes(dir.File(name), "#!/bin/sh\n");
  chmod(dir.File(name).c_str(), 0755);
}

}  // namespace

TEST(TextEditor, CommandFollowsDesktopOpenerThenEditorVariablesInATerminal) {
  struct Case {
    const char* what;
    std::vector<std::string> programs;  // present on the search path
    std::string visual;
    std::string editor;
    std::vector<std::string> expected;  // "@" stands for the folder
  } cases[] = {
      {"desktop opener wins", {"xdg-open", "x-terminal-emulator", "nano"}, "nano", "", {"@/xdg-open"}},
      {"visual before editor",
       {"x-terminal-emulator", "nano", "vim"},
       "nano -w",
       "vim",
       {"@/x-terminal-emulator", "-e", "@/nano", "-w"}},
      {"editor when no visual",
       {"x-terminal-emulator", "vim"},
       "",
       "vim",
       {"@/x-terminal-emulator", "-e", "@/vim"}},
      {"system editor when no variable",
       {"x-terminal-emulator", "editor", "vi"},
       "",
       "",
       {"@/x-terminal-emulator", "-e", "@/editor"}},
      {"vi as the last resort", {"x-terminal-emulator", "vi"}, "", "", {"@/x-terminal-emulator", "-e", "@/vi"}},
      {"no terminal", {"nano"}, "nano", "", {}},
      {"editor not installed", {"x-terminal-emulator"}, "nano", "", {}},
  };
  for (const auto& c : cases) {
    TempDir dir;
    for (const auto& p : c.programs) MakeProgram(dir, p);
    const std::string folder = dir.Path().string();
    std::vector<std::string> expected;
    for (auto e : c.expected) expected.push_back(e[0] == '@' ? folder + e.substr(1) : e);
    const EditorEnvironment env{"/nonexistent:" + folder, c.visual, c.editor};
    EXPECT_EQ(TextEditorCommand(env), expected) << c.what;
  }
}

TEST(TextEditor, FindProgram_SkipsFilesThatCannotRun) {
  TempDir dir;
  TestSupport::WriteFileBytes(dir.File("plain"), "x");
  MakeProgram(dir, "tool");
  const std::string folder = dir.Path().string();
  EXPECT_EQ(FindProgram("plain", folder), "");
  EXPECT_EQ(FindProgram("tool", "::" + folder), folder + "/tool");
  EXPECT_EQ(FindProgram(folder + "/tool", ""), folder + "/tool");
  EXPECT_EQ(FindProgram("", folder), "");
}
