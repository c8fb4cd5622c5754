#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/CCommandLineInfoEx.h"

namespace {

using PardeloStravon::CCommandLineInfoEx;

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
      // Printing from the command line is not built: the document just opens.
      {{L"/p", L"net.qzid"}, {{L"p", L"net.qzid"}}, L"net.qzid", true},
      {{L"-"}, {}, L"-", true},
  };
  for (const Case& c : cases) {
    std::wstring shown;
    for (const auto& a : c.args) shown += a + L" ";
    SCOPED_TRACE(std::string(shown.begin(), shown.end()));
    CCommandLineInfoEx info;
    info.Parse(c.args);
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

}  // namespace
