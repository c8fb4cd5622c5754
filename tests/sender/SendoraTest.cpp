// The program itself, run against a fake "sendmail" first on the search path
// that records its arguments and standard input and ends as the test says.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "tests/sender/MailDecoding.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using namespace MailDecoding;

namespace {

const char* const FakeSendmail = R"(#!/bin/sh
printf '%s\0' "$@" > "$FAKE_DIR/args"
case "$FAKE_MODE" in
  read) cat > "$FAKE_DIR/message" ;;
  signal) cat > "$FAKE_DIR/message"; kill -KILL $$ ;;
esac
exit "${FAKE_STATUS:-0}"
)";

std::string Quoted(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

struct RunResult {
  int exitCode = -1;     // when it exited
  int signal = 0;        // when a signal ended it
  std::string errText;   // its standard error
};

class SendoraTest : public testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(Bin());
    fs::create_directories(Record());
    fs::create_directories(Home());
    fs::create_directories(Work());
    WriteFake(FakeSendmail);
  }

  fs::path Bin() const { return dir_.Path() / "bin"; }
  fs::path Record() const { return dir_.Path() / "record"; }
  fs::path Home() const { return dir_.Path() / "home"; }
  fs::path Work() const { return dir_.Path() / "work"; }

  void WriteFake(const std::string& script) {
    TestSupport::WriteFileBytes(Bin() / "sendmail", script);
    fs::permissions(Bin() / "sendmail", fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
  }

  // Runs the program with a clean environment, only the fake first on the
  // search path.
  RunResult Run(const std::vector<std::string>& args, const std::string& mode = "read", int status = 0,
                const std::string& path = "", bool callerIgnoresChildren = false) {
    const fs::path err = dir_.Path() / "stderr";
    // An ignored SIGCHLD stays ignored across exec (dash cannot ignore it).
    const std::string ignoring = callerIgnoresChildren ? "perl -e '$SIG{CHLD} = q(IGNORE); exec @ARGV or die' " : "";
    std::string command = "cd " + Quoted(Work().string()) + " && exec " + ignoring + "env -i PATH=" +
                          Quoted(path.empty() ? Bin().string() + ":/usr/bin:/bin" : path) +
                          " HOME=" + Quoted(Home().string()) + " TZ=UTC-2 FAKE_DIR=" + Quoted(Record().string()) +
                          " FAKE_MODE=" + mode + " FAKE_STATUS=" + std::to_string(status) + " " +
                          Quoted(SENDORA_PROGRAM);
    for (const std::string& a : args) command += " " + Quoted(a);
    command += " </dev/null >/dev/null 2>" + Quoted(err.string());
    const int raw = std::system(command.c_str());
    RunResult r;
    if (WIFEXITED(raw)) r.exitCode = WEXITSTATUS(raw);
    if (WIFSIGNALED(raw)) r.signal = WTERMSIG(raw);
    r.errText = TestSupport::ReadFileBytes(err);
    return r;
  }

  std::vector<std::string> RecordedArguments() const {
    return SplitEnded(TestSupport::ReadFileBytes(Record() / "args"), '\0');
  }

  std::string RecordedMessage() const { return TestSupport::ReadFileBytes(Record() / "message"); }

  TestSupport::TempDir dir_;
};

struct MessageCase {
  const char* name;
  std::vector<std::string> args;
  std::string recipient;
  std::string subject;  // as a reader decodes it
  std::string text;     // line breaks as LF
};

const std::string LongLine(2000, 'L');

const MessageCase MessageCases[] = {
    {"no-arguments", {}, "", "", ""},
    {"one-argument", {"ops@example.org"}, "ops@example.org", "", ""},
    {"three-arguments",
     {"ops@example.org", "Alarm: room 3", "Room 3 is too warm\r\nSecond line"},
     "ops@example.org",
     "Alarm: room 3",
     "Room 3 is too warm\nSecond line"},
    {"five-arguments", {"a@example.org", "s", "t", "fourth", "fifth"}, "a@example.org", "s", "t"},
    {"recipient-like-an-option", {"-oQ/srv/x", "s", "t"}, "-oQ/srv/x", "s", "t"},
    {"subject-adding-a-header", {"a@example.org", "Alarm\r\nBcc: x", "t"}, "a@example.org", "AlarmBcc: x", "t"},
    {"recipient-adding-a-header", {"a@example.org\nBcc: x@example.org", "s", "t"},
     "a@example.orgBcc: x@example.org", "s", "t"},
    {"text-like-a-switch", {"a@example.org", "s", "-v"}, "a@example.org", "s", "-v"},
    {"non-ascii",
     {"a@example.org", "Température élevée — salle 3 ✓", "Zimmer Süd: 30 °C\rKühlraum 日本"},
     "a@example.org",
     "Température élevée — salle 3 ✓",
     "Zimmer Süd: 30 °C\nKühlraum 日本"},
    {"not-utf8", {"a@example.org", "caf\xE9", "x\xFFy"}, "a@example.org", "caf\xEF\xBF\xBD", "x\xEF\xBF\xBDy"},
    {"line-of-2000-characters", {"a@example.org", "long", LongLine + "\nend"}, "a@example.org", "long",
     LongLine + "\nend"},
};

TEST_F(SendoraTest, CommandLines_GiveTheArgumentVectorAndAMessageThatDecodesToThem) {
  const std::regex date(R"((Mon|Tue|Wed|Thu|Fri|Sat|Sun), \d\d (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) )"
                        R"(\d{4} \d\d:\d\d:\d\d \+0200)");
  for (const MessageCase& c : MessageCases) {
    SCOPED_TRACE(c.name);
    fs::remove(Record() / "args");
    fs::remove(Record() / "message");
    const RunResult r = Run(c.args);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.errText, "");
    EXPECT_EQ(RecordedArguments(), (std::vector<std::string>{"-i", "--", c.recipient}));

    const Message m = Parse(RecordedMessage());
    EXPECT_FALSE(m.crlf);
    std::vector<std::string> names;
    std::map<std::string, std::string> values;
    for (const auto& [name, value] : m.headers) {
      names.push_back(name);
      values[name] = value;
    }
    EXPECT_EQ(names, (std::vector<std::string>{"To", "Subject", "Date", "MIME-Version", "Content-Type",
                                               "Content-Transfer-Encoding"}));
    EXPECT_EQ(values["To"], c.recipient);
    EXPECT_EQ(DecodeHeaderValue(values["Subject"]), c.subject);
    EXPECT_TRUE(std::regex_match(values["Date"], date)) << values["Date"];
    EXPECT_EQ(values["MIME-Version"], "1.0");
    EXPECT_EQ(values["Content-Type"], "text/plain; charset=UTF-8");
    EXPECT_EQ(values["Content-Transfer-Encoding"], "quoted-printable");
    EXPECT_EQ(DecodeQuotedPrintable(m.body), c.text);
    for (const std::string& line : m.headerLines) EXPECT_LE(line.size(), 78u) << line;
    for (const std::string& line : m.bodyLines) {
      EXPECT_LE(line.size(), 76u) << line;
      EXPECT_TRUE(IsPrintableAscii(line)) << line;
    }
  }
}

// One line on standard error naming the cause, or nothing.
void ExpectOneLine(const std::string& text) {
  ASSERT_FALSE(text.empty()) << "nothing on standard error";
  EXPECT_EQ(text.rfind("Sendora: ", 0), 0u) << text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
  EXPECT_EQ(text.back(), '\n');
}

TEST_F(SendoraTest, ExitCode_IsZeroOnlyWhenTheWholeMessageWentOut) {
  const std::string bigText(100000, 'B');  // more than a pipe holds
  const struct {
    const char* name;
    std::string fake;  // empty: the recording fake
    std::string mode;
    int status;
    std::string text;
    int exitCode;
    bool callerIgnoresChildren = false;
  } cases[] = {
      {"accepted", "", "read", 0, "t", 0},
      {"accepted-by-a-caller-that-ignores-its-children", "", "read", 0, "t", 0, true},
      {"refused-by-a-caller-that-ignores-its-children", "", "read", 75, "t", 75, true},
      {"refused", "", "read", 75, "t", 75},
      {"refused-without-reading-a-large-text", "", "noread", 75, bigText, 75},
      {"status-0-without-reading-a-large-text", "", "noread", 0, bigText, 1},
      {"ended-by-a-signal", "", "signal", 0, "t", 1},
      {"interpreter-missing", "#!/nonexistent/interpreter\nexit 0\n", "read", 0, "t", 1},
      {"not-executable-format", "exit 0\n", "read", 0, "t", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFake(c.fake.empty() ? FakeSendmail : c.fake);
    const RunResult r = Run({"a@example.org", "s", c.text}, c.mode, c.status, "", c.callerIgnoresChildren);
    EXPECT_EQ(r.signal, 0) << "the program itself was ended by a signal";
    EXPECT_EQ(r.exitCode, c.exitCode);
    if (c.exitCode == 0)
      EXPECT_EQ(r.errText, "");
    else
      ExpectOneLine(r.errText);
  }
}

TEST_F(SendoraTest, NoSubmissionProgramAnywhere_EndsWith1AndSaysSo) {
  if (fs::exists("/usr/sbin/sendmail") || fs::exists("/usr/lib/sendmail"))
    GTEST_SKIP() << "this machine has a mail submission program";
  const RunResult r = Run({"a@example.org", "s", "t"}, "read", 0, (dir_.Path() / "empty").string() + ":/usr/bin:/bin");
  EXPECT_EQ(r.exitCode, 1);
  ExpectOneLine(r.errText);
  EXPECT_NE(r.errText.find("sendmail"), std::string::npos);
}

// Every file below the folder with its size and change time.
std::map<std::string, std::string> Snapshot(const fs::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(dir)) {
    struct stat st {};
    lstat(e.path().c_str(), &st);
    files[e.path().string()] = std::to_string(st.st_size) + "@" + std::to_string(st.st_mtim.tv_sec) + "." +
                               std::to_string(st.st_mtim.tv_nsec);
  }
  struct stat st {};
  lstat(dir.c_str(), &st);
  files["."] = std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
  return files;
}

TEST_F(SendoraTest, ReadOnlyWorkingFolderAndHome_ProgramWritesNothing) {
  // Tests run as root, where read-only stops nothing: the folders are
  // compared before and after.
  TestSupport::WriteFileBytes(Home() / ".profile", "x");
  fs::permissions(Work(), fs::perms::owner_read | fs::perms::owner_exec);
  fs::permissions(Home(), fs::perms::owner_read | fs::perms::owner_exec);
  const auto work = Snapshot(Work());
  const auto home = Snapshot(Home());
  const RunResult r = Run({"a@example.org", "s", "t"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(Snapshot(Work()), work);
  EXPECT_EQ(Snapshot(Home()), home);
  fs::permissions(Work(), fs::perms::owner_all);
  fs::permissions(Home(), fs::perms::owner_all);
}

}  // namespace
