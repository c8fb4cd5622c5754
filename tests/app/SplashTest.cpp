#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/utils.h>

#include "app/CCommandLineInfoEx.h"
#include "app/CSplash.h"
#include "app/SplashRule.h"
#include "tests/support/GuiTest.h"

namespace {

using namespace PardeloStravon;
using TestSupport::PumpEvents;

TEST(SplashRule, ClosesAfterTheMinimumOnceTheMainWindowExists_OrAtOnceWithFlag4) {
  struct Case {
    unsigned elapsed, minimum;
    bool main;
    unsigned flags;
    SplashStep step;
  };
  const Case cases[] = {
      {1999, 2000, true, 0, SplashStep::wait},
      {1999, 2000, true, SplashCloseWithoutMainWindow, SplashStep::wait},
      {2000, 2000, true, 0, SplashStep::close},
      {2000, 2000, false, 0, SplashStep::checkAgain},
      {2100, 2000, false, 0, SplashStep::checkAgain},
      {2100, 2000, true, 0, SplashStep::close},
      {2000, 2000, false, SplashCloseWithoutMainWindow, SplashStep::close},
      {2000, 2000, false, SplashCloseOnInput, SplashStep::checkAgain},
      // All bits set: no timer, the splash stays.
      {100000, SplashNoTimer, true, SplashCloseWithoutMainWindow, SplashStep::wait},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.elapsed << " " << c.minimum << " " << c.main << " " << c.flags);
    EXPECT_EQ(SplashRule(c.elapsed, c.minimum, c.main, c.flags), c.step);
  }
  EXPECT_EQ(SplashCheckPeriodMs, 100u);
}

class SplashTest : public testing::Test {
 protected:
  void TearDown() override {
    if (splash_) delete splash_;
    PumpEvents();
    SetApplicationArguments({});
  }
  CSplash* splash_ = nullptr;
};

TEST_F(SplashTest, WithFlag1AKeyOrAClickClosesIt_WithoutItNeitherDoes) {
  struct Case {
    unsigned flags;
    wxEventType type;
    bool closes;
  };
  const Case cases[] = {
      {SplashCloseOnInput, wxEVT_LEFT_DOWN, true},   {SplashCloseOnInput, wxEVT_RIGHT_DOWN, true},
      {SplashCloseOnInput, wxEVT_MIDDLE_DOWN, true}, {SplashCloseOnInput, wxEVT_KEY_DOWN, true},
      {0, wxEVT_LEFT_DOWN, false},                   {0, wxEVT_KEY_DOWN, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.flags << " " << c.type);
    // Ignoring the command line; no timer, so only the input can close it.
    CSplash::Start(151, SplashNoTimer, c.flags | SplashIgnoreCommandLine, &splash_, [] { return false; });
    ASSERT_NE(splash_, nullptr);
    CSplashWnd* window = splash_->Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->Painted());
    if (c.type == wxEVT_KEY_DOWN) {
      wxKeyEvent key(wxEVT_KEY_DOWN);
      key.m_keyCode = 'A';
      key.SetEventObject(window);
      window->ProcessWindowEvent(key);
    } else {
      wxMouseEvent click(c.type);
      click.SetEventObject(window);
      window->ProcessWindowEvent(click);
    }
    PumpEvents();
    EXPECT_EQ(splash_ == nullptr, c.closes);
    if (splash_) delete splash_;
    PumpEvents();
  }
}

TEST_F(SplashTest, ClosesByItsTimerOnceTheMainWindowExists) {
  bool main = false;
  CSplash::Start(151, 50, 0, &splash_, [&main] { return main; });
  ASSERT_NE(splash_, nullptr);
  const wxSize size = splash_->Window()->GetSize();
  EXPECT_EQ(size, wxSize(496, 142));
  for (int i = 0; i < 30; ++i) {
    PumpEvents();
    wxMilliSleep(10);
  }
  // Past the minimum, but no main window yet: it checks again.
  EXPECT_NE(splash_, nullptr);
  main = true;
  for (int i = 0; i < 50 && splash_; ++i) {
    PumpEvents();
    wxMilliSleep(10);
  }
  EXPECT_EQ(splash_, nullptr);
}

TEST_F(SplashTest, NologoEmbeddingAndPrintRunsMakeNoSplashWindow) {
  const std::vector<std::wstring> lines[] = {{L"-nologo"},       {L"/nologo", L"net.qzid"},
                                             {L"-Embedding"},    {L"/dde"},
                                             {L"/p", L"net.qzid"}, {L"-pt", L"net.qzid", L"Office"}};
  for (const auto& line : lines) {
    SetApplicationArguments(line);
    const size_t windows = wxTopLevelWindows.size();
    EXPECT_EQ(CSplash::Start(151, 2000, 0, &splash_, [] { return true; }), nullptr);
    EXPECT_EQ(splash_, nullptr);
    EXPECT_EQ(wxTopLevelWindows.size(), windows);
  }
  // A bitmap that cannot be loaded shows nothing either.
  SetApplicationArguments({});
  EXPECT_EQ(CSplash::Start(999, 2000, 0, &splash_, [] { return true; }), nullptr);
  EXPECT_EQ(splash_, nullptr);
}

TEST_F(SplashTest, Screenshot) {
  CSplash::Start(151, SplashNoTimer, SplashIgnoreCommandLine, &splash_, [] { return false; });
  ASSERT_NE(splash_, nullptr);
  EXPECT_FALSE(TestSupport::SaveWindowShot(*splash_->Window(), "splash").empty());
}

}  // namespace
