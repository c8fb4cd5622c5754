#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/CCommandLineInfoEx.h"

namespace {

using PardeloStravon::CCommandLineInfoEx;

std::string Shown(const std::vector<std::wstring>& args) {
  std::wstring shown;
  for (const auto& a : args) shown += a + L" ";
  return std::string(shown.begin(), shown.end());
}

CCommandLineInfoEx Parsed(const std::vector<std::wstring>& args) {
  CCommandLineInfoEx info;
  info.Parse(args);
  return info;
}

TEST(CommandLine, SwitchesValuesTheDocumentAndTheSplash) {
  struct Case {
    std::vector<std::wstring> args;
    std::map<std::wstring, std::wstring> options;
    std::wstring file;
    bool splash;
  };
  const Case cases[] = {
      {{}, {}, L"", true},
      {{L"-nologo"}, {{L"nologo", L"TRUE"}}, L"", true},
      {{L"/nologo"}, {{L"nologo", L"TRUE"}}, L"", true},
      // Names as written: this is not "nologo".
      {{L"/NOLOGO"}, {{L"NOLOGO", L"TRUE"}}, L"", true},
      // A path stays a path.
      {{L"/home/op/net.qzid"}, {}, L"/home/op/net.qzid", true},
      {{L"/net.qzid"}, {}, L"/net.qzid", true},
      // The value of the switch, and still the document to open.
      {{L"-nologo", L"/home/op/net.qzid"}, {{L"nologo", L"/home/op/net.qzid"}}, L"/home/op/net.qzid", true},
      // Twice: the last value holds; the first plain argument is the document.
      {{L"-mode", L"a.qzid", L"-mode", L"b.qzid"}, {{L"mode", L"b.qzid"}}, L"a.qzid", true},
      {{L"-mode", L"-nologo"}, {{L"mode", L"TRUE"}, {L"nologo", L"TRUE"}}, L"", true},
      {{L"-mode", L"-nologo", L"v"}, {{L"mode", L"TRUE"}, {L"nologo", L"v"}}, L"v", true},
      // A plain argument after a plain one changes nothing.
      {{L"one.qzid", L"two.qzid"}, {}, L"one.qzid", true},
      {{L"-nologo", L"one.qzid", L"two.qzid"}, {{L"nologo", L"one.qzid"}}, L"one.qzid", true},
      // Embedding, automation and DDE keep the splash away, in any case of letters.
      {{L"-Embedding"}, {{L"Embedding", L"TRUE"}}, L"", false},
      {{L"/automation"}, {{L"automation", L"TRUE"}}, L"", false},
      {{L"-DDE"}, {{L"DDE", L"TRUE"}}, L"", false},
      {{L"/Register"}, {{L"Register", L"TRUE"}}, L"", true},
      // A print run shows no splash (the switches themselves: PrintSwitches).
      {{L"/p", L"net.qzid"}, {{L"p", L"net.qzid"}}, L"net.qzid", false},
      {{L"-"}, {}, L"-", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Shown(c.args));
    const CCommandLineInfoEx info = Parsed(c.args);
    EXPECT_EQ(info.options_, c.options);
    EXPECT_EQ(info.FileName(), c.file);
    EXPECT_EQ(info.ShowSplash(), c.splash);
    for (const auto& [name, value] : c.options) {
      EXPECT_TRUE(info.HasOption(name));
      EXPECT_EQ(info.Option(name), value);
    }
  }
}

TEST(CommandLine, HasOptionComparesNamesExactly) {
  CCommandLineInfoEx info;
  info.Parse({L"/Nologo"});
  EXPECT_FALSE(info.HasOption(L"nologo"));
  EXPECT_TRUE(info.HasOption(L"Nologo"));
  EXPECT_FALSE(info.HasOption(L""));
}

TEST(CommandLine, PrintSwitchesNameTheDocumentAndThePrinter) {
  using Command = CCommandLineInfoEx::ShellCommand;
  struct Case {
    std::vector<std::wstring> args;
    Command command;
    std::wstring file, printer, driver, port;
  };
  const Case cases[] = {
      {{}, Command::FileNew, L"", L"", L"", L""},
      {{L"net.qzid"}, Command::FileOpen, L"net.qzid", L"", L"", L""},
      {{L"/p", L"net.qzid"}, Command::FilePrint, L"net.qzid", L"", L"", L""},
      {{L"-p", L"/home/op/net.qzid"}, Command::FilePrint, L"/home/op/net.qzid", L"", L"", L""},
      // The switch may follow the document; other switches change nothing.
      {{L"net.qzid", L"/p"}, Command::FilePrint, L"net.qzid", L"", L"", L""},
      {{L"-nologo", L"-p", L"net.qzid"}, Command::FilePrint, L"net.qzid", L"", L"", L""},
      // "p" takes no printer: a second plain argument is nothing.
      {{L"/p", L"net.qzid", L"Office"}, Command::FilePrint, L"net.qzid", L"", L"", L""},
      // Without a document the run has nothing to print (it says so).
      {{L"/p"}, Command::FilePrint, L"", L"", L"", L""},
      {{L"/pt", L"net.qzid", L"Office"}, Command::FilePrintTo, L"net.qzid", L"Office", L"", L""},
      {{L"-pt", L"net.qzid", L"Office", L"drv", L"lpt1", L"more"}, Command::FilePrintTo, L"net.qzid", L"Office", L"drv",
       L"lpt1"},
      {{L"/pt", L"net.qzid"}, Command::FilePrintTo, L"net.qzid", L"", L"", L""},
      // The last of two print switches holds.
      {{L"/pt", L"/p", L"net.qzid", L"Office"}, Command::FilePrint, L"net.qzid", L"", L"", L""},
      // The shell's switches are named exactly: these open the document.
      {{L"/P", L"net.qzid"}, Command::FileOpen, L"net.qzid", L"", L"", L""},
      {{L"-PT", L"net.qzid", L"Office"}, Command::FileOpen, L"net.qzid", L"", L"", L""},
      {{L"/print", L"net.qzid"}, Command::FileOpen, L"net.qzid", L"", L"", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Shown(c.args));
    const CCommandLineInfoEx info = Parsed(c.args);
    EXPECT_EQ(info.Command(), c.command);
    EXPECT_EQ(info.FileName(), c.file);
    EXPECT_EQ(info.PrinterName(), c.printer);
    EXPECT_EQ(info.DriverName(), c.driver);
    EXPECT_EQ(info.PortName(), c.port);
    const bool print = c.command == Command::FilePrint || c.command == Command::FilePrintTo;
    EXPECT_EQ(info.ShowSplash(), !print);
  }
}

}  // namespace
