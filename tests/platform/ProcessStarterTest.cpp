#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>

#include "platform/ProcessStarter.h"
#include "tests/support/TempDir.h"

using namespace Platform;
using TestSupport::ReadFileBytes;
using TestSupport::TempDir;
using TestSupport::WriteFileBytes;

namespace {

constexpr std::chrono::seconds Limit{20};

// A script that writes its argument count and each argument in brackets.
std::string WriteArgsScript(const TempDir& dir, const std::string& name) {
  const auto script = dir.File(name);
  WriteFileBytes(script,
                 "out=\"$(dirname \"$0\")/args.txt\"\n"
                 "printf '%s\\n' \"$#\" > \"$out.tmp\"\n"
                 "for a in \"$@\"; do printf '[%s]\\n' \"$a\" >> \"$out.tmp\"; done\n"
                 "mv \"$out.tmp\" \"$out\"\n");
  return script.string();
}

bool Reaped(int pid) { return kill(pid, 0) == -1 && errno == ESRCH; }

}  // namespace

TEST(ProcessStarter, BatchScript_RunsThroughShellWithEveryArgumentVerbatimAndSeparate) {
  TempDir dir;
  const std::string script = WriteArgsScript(dir, "alarm.bat");  // no execute permission
  const std::vector<std::string> args = {"1",       "",      "a b  c", "\"q\" 'r'",
                                         "x&y;z|w", "$(id)", "*",      "\xC3\xA9t\xC3\xA9"};
  const StartedProcess p = StartProcess(script, args);
  ASSERT_TRUE(p) << ErrorText(p.error);
  ASSERT_TRUE(WaitForStartedProcesses(Limit));
  EXPECT_EQ(ReadFileBytes(dir.File("args.txt")),
            "8\n[1]\n[]\n[a b  c]\n[\"q\" 'r']\n[x&y;z|w]\n[$(id)]\n[*]\n[\xC3\xA9t\xC3\xA9]\n");
  EXPECT_TRUE(Reaped(p.pid));
}

TEST(ProcessStarter, ScriptExtensionInAnyCase_RunsThroughShell) {
  TempDir dir;
  const std::string script = WriteArgsScript(dir, "Resuscitate.BAT");
  ASSERT_TRUE(StartProcess(script, {}));
  ASSERT_TRUE(WaitForStartedProcesses(Limit));
  EXPECT_EQ(ReadFileBytes(dir.File("args.txt")), "0\n");
}

TEST(ProcessStarter, ExecutableProgram_RunsDirectly) {
  TempDir dir;
  const std::string script = WriteArgsScript(dir, "run.sh");
  WriteFileBytes(script, "#!/bin/sh\n" + ReadFileBytes(script));
  chmod(script.c_str(), 0755);
  ASSERT_TRUE(StartProcess(script, {"one two"}));
  ASSERT_TRUE(WaitForStartedProcesses(Limit));
  EXPECT_EQ(ReadFileBytes(dir.File("args.txt")), "1\n[one two]\n");
}

TEST(ProcessStarter, MissingProgramOrScript_StartsNothingAndSaysWhy) {
  TempDir dir;
  for (const std::string name : {"missing.bat", "missing.exe"}) {
    const StartedProcess p = StartProcess(dir.File(name).string(), {"1"});
    EXPECT_FALSE(p) << name;
    EXPECT_EQ(p.error, ENOENT) << name;
    EXPECT_FALSE(ErrorText(p.error).empty());
  }
}

TEST(ProcessStarter, ChildStillRunning_StartReturnsAndChildIsReapedWhenItEnds) {
  TempDir dir;
  const auto fifo = dir.File("gate");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const auto script = dir.File("wait.bat");
  WriteFileBytes(script, "read line < \"$1\"\necho \"$line\" > \"$1.done\"\n");

  const StartedProcess p = StartProcess(script.string(), {fifo.string()});
  ASSERT_TRUE(p);
  // The child is blocked on the gate, so the start cannot have waited for it.
  EXPECT_FALSE(WaitForStartedProcesses(std::chrono::milliseconds(0)));
  {
    std::ofstream gate(fifo);  // opens once the child reads
    gate << "go\n";
  }
  ASSERT_TRUE(WaitForStartedProcesses(Limit));
  EXPECT_EQ(ReadFileBytes(dir.File("gate.done")), "go\n");
  EXPECT_TRUE(Reaped(p.pid));
}

TEST(ProcessStarter, OpenFilesOfTheProgram_AreNotInheritedByTheChild) {
  TempDir dir;
  const int fd = open(dir.File("held").c_str(), O_CREAT | O_WRONLY, 0600);  // no close-on-exec
  ASSERT_GE(fd, 3);
  const auto script = dir.File("fds.bat");
  WriteFileBytes(script,
                 "if [ -e /proc/self/fd/$1 ]; then r=open; else r=closed; fi\n"
                 "echo $r > \"$(dirname \"$0\")/fd.txt\"\n");
  ASSERT_TRUE(StartProcess(script.string(), {std::to_string(fd)}));
  ASSERT_TRUE(WaitForStartedProcesses(Limit));
  close(fd);
  EXPECT_EQ(ReadFileBytes(dir.File("fd.txt")), "closed\n");
}
