// Due times, delays and intervals that a document file may hold although no
// dialog could produce them: they load as they stand, and the schedule, the
// link states and the alarms then behave as if the moment never came.
#include <gtest/gtest.h>

#include <boost/archive/xml_wiarchive.hpp>
#include <boost/archive/xml_woarchive.hpp>
#include <boost/serialization/nvp.hpp>
#include <climits>
#include <regex>
#include <sstream>

#include "network/schedule/Alarms.h"
#include "network/schedule/PeriodicStep.h"
#include "platform/ProcessStarter.h"
#include "tests/network/schedule/ScheduleFixture.h"

using namespace PardeloStravon;
using NetworkTest::StartTime;

namespace {

constexpr long Huge = LONG_MAX;
constexpr long HugeBack = -LONG_MAX;
constexpr long HundredYears = 100L * 365 * 86400;

class LoadedTimesTest : public NetworkTest::ScheduleFixture {
 protected:
  LoadedTimesTest() {
    SetRx(true);
    // Read periodically, nothing else; the port does not open, so every
    // exchange fails at once.
    Node& node = Add(5);
    NodeOpt opt = node.Opt();
    opt.yr_ = opt.gr_ = opt.hr_ = opt.pr_ = opt.vr_ = false;
    opt.xt_ = opt.yt_ = opt.gt_ = opt.ht_ = false;  // no reading at start-up
    node.SetOpt(opt);
  }

  // Saves the network options, puts `value` into the element, and loads the
  // text back.
  void ReloadWith(const std::wstring& element, long value) {
    std::wostringstream os;
    {
      boost::archive::xml_woarchive oa(os);
      oa << boost::serialization::make_nvp("network", Opt());
    }
    // The element's first value (the first slot of an array).
    const std::wstring saved = os.str();
    const std::wregex field(L"<" + element + L"[ >][\\s\\S]*?<v>([^<]*)</v>");
    std::wsmatch found;
    ASSERT_TRUE(std::regex_search(saved, found, field))
        << "no element " << std::string(element.begin(), element.end());
    const std::wstring edited = saved.substr(0, found.position(1)) + std::to_wstring(value) +
                                saved.substr(found.position(1) + found.length(1));
    std::wistringstream is(edited);
    boost::archive::xml_wiarchive ia(is);
    ia >> boost::serialization::make_nvp("network", Opt());
  }

  Node& Node5() { return Net().GetPresent(5); }

  void FailingReading() {
    ASSERT_TRUE(PeriodicStep(Opt(), Folder(), true, poster_, nullptr));
    RunTasks();
  }
};

}  // namespace

TEST_F(LoadedTimesTest, DueTimeAtTheBeginningOfTime_IsDueAndReturnsToItsGrid) {
  ReloadWith(L"xn_", HugeBack);
  ASSERT_EQ(Node5().State().xn_, HugeBack);
  FailingReading();
  // The earliest point of the grid -9223372036854775807 + k x 30 from now on.
  EXPECT_EQ(Node5().State().xn_, StartTime + 22);
  clock_.Advance(22);
  EXPECT_FALSE(PeriodicStep(Opt(), Folder(), true, poster_, nullptr));
  clock_.Advance(1);
  EXPECT_TRUE(PeriodicStep(Opt(), Folder(), true, poster_, nullptr));
  RunTasks();
  EXPECT_EQ(Node5().State().xn_, StartTime + 52);
}

TEST_F(LoadedTimesTest, HugeLostLinkDelay_NeverLosesTheLink) {
  ReloadWith(L"lostLinkDelay_", Huge);
  ASSERT_EQ(Node5().Opt().lostLinkDelay_, Huge);
  FailingReading();
  EXPECT_EQ(Node5().State().link_, Node::not_yet);
  SetLink(Node5(), Node::yes_link);
  clock_.Advance(30);
  FailingReading();
  EXPECT_EQ(Node5().State().link_, Node::int_link);
  clock_.Advance(HundredYears);
  FailingReading();
  EXPECT_EQ(Node5().State().link_, Node::int_link);
}

TEST_F(LoadedTimesTest, HugeBlackoutInterval_NeverRaisesTheBlackoutAlarm) {
  NetOptRecord opt = Opt().Options();
  opt.onNetAlarm_ = true;
  Opt().SetOptions(opt);
  ReloadWith(L"intNetAlarm_", Huge);
  ASSERT_EQ(Opt().Options().intNetAlarm_, Huge);
  SetLink(Node5(), Node::lost_link);
  ASSERT_TRUE(IsNetBlackout(Opt()));
  EXPECT_FALSE(NetBlackoutAlarm(Opt(), Folder()));
  clock_.Advance(HundredYears);
  EXPECT_FALSE(NetBlackoutAlarm(Opt(), Folder()));
  EXPECT_TRUE(Platform::WaitForStartedProcesses(std::chrono::seconds(20)));
  EXPECT_TRUE(AlarmCalls().empty());
}
