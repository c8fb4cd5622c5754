// Reading an instrument's recording file back for its graph.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/TextConv.h"
#include "network/nodes/Node.h"
#include "network/schedule/RecordingFiles.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestCatalogue.h"
#include "tests/views/graph/FormattedGphReader.h"
#include "views/graph/GphData.h"

using namespace PardeloStravon;
using TestSupport::TempDir;

namespace {

constexpr long T0 = 1700000000;
constexpr long Window = 1000;
constexpr int Address = 7;

// One kept record: X, and the plotted temperature and humidity.
struct Point {
  long x;
  double t;
  double h;
  bool operator==(const Point&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Point& p) {
  return os << "{" << p.x << ", " << p.t << ", " << p.h << "}";
}

enum class Ends { CrLf, Lf, LfButTheLast };

class GphDataTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { TestSupport::LoadNetworkTestCatalogue(); }

  void SetUp() override {
    if (const char* tz = std::getenv("TZ")) savedTz_ = tz;
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    // The folder's name is not ASCII: the file is found through its UTF-8 path.
    folder_ = dir_.Path() / "Mesures \xC3\xA9t\xC3\xA9";
    std::filesystem::create_directories(folder_);
    // The sparse type: readable F0 (temperature), F2 (a bit), F5 (humidity);
    // F1, F3, F4 are not readable.
    node_.emplace(TestSupport::SparseFrameType);
    for (std::size_t p = 0; p < node_->OptPlt().size(); ++p)
      node_->OptPlt()[p] = {L"L" + std::to_wstring(p), false};
    Plot({0, 5});
  }

  void TearDown() override {
    if (savedTz_)
      setenv("TZ", savedTz_->c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }

  void Plot(std::initializer_list<std::size_t> plotted) {
    for (InstrParOptPlt& o : node_->OptPlt()) o.pltDefOpt_ = false;
    for (std::size_t p : plotted) node_->OptPlt()[p].pltDefOpt_ = true;
  }

  InstrPars Readable() const { return ReadablePars(node_->Type().Pars()); }
  InstrPars Settable() const { return SettablePars(node_->Type().Pars()); }

  std::string Readings(long t, double temper, double humidity, bool bit = false) const {
    return RecordLine(ReadingsSeparator,
                      ToVUC(Readable(), {Temper(temper), bit, Humidity(humidity)}), t);
  }
  std::string Settings(long t) const {
    const InstrPars settable = Settable();
    return RecordLine(SettingsSeparator, ToVUC(settable, DefaultValues(settable)), t);
  }

  std::wstring Folder() const { return FromUtf8(folder_.string()); }

  void Write(const std::vector<std::string>& lines, Ends ends) const {
    const std::wstring path = MasterLogPath(Folder(), Address);
    if (ends == Ends::CrLf) {
      TestSupport::WriteFileBytes(ToUtf8(path), "");
      for (const std::string& line : lines) ASSERT_TRUE(AppendRecordLine(path, line));
      return;
    }
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      bytes += lines[i];
      if (ends == Ends::Lf || i + 1 < lines.size()) bytes += "\n";
    }
    TestSupport::WriteFileBytes(ToUtf8(path), bytes);
  }

  GphData Read(long from = T0, long to = T0 + Window) {
    return GphData(*node_, Address, from, to, Folder());
  }

  // The points of data plotted as temperature and humidity.
  static std::vector<Point> Points(const GphData& data) {
    EXPECT_EQ(data.series_.size(), 2u);
    std::vector<Point> points;
    for (std::size_t i = 0; i < data.times_.size(); ++i) {
      EXPECT_EQ(data.series_.at(0).size(), data.times_.size());
      EXPECT_EQ(data.series_.at(1).size(), data.times_.size());
      points.push_back({data.times_[i], data.series_.at(0).at(i), data.series_.at(1).at(i)});
    }
    return points;
  }

  TempDir dir_;
  std::filesystem::path folder_;
  std::optional<Node> node_;
  std::optional<std::string> savedTz_;
};

// A hand-made line: the time text as given, 19 characters of stamp, the
// separator, then the frame's text. 02EE022B00 is 20.0 degrees, the bit off
// and 55.5 percent.
std::string Hand(const std::string& time, const std::string& frame,
                 const std::string& separator = " : ") {
  return time + " 00:00:00 01/01/70" + separator + frame;
}
std::string Hand(long t, const std::string& frame, const std::string& separator = " : ") {
  return Hand(std::to_string(t), frame, separator);
}

TEST_F(GphDataTest, RecordingFile_KeepsExactlyTheReadingsRecordsOfTheWindow) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    std::vector<Point> expected;
  };
  const std::string good = "02EE022B00";
  const Case cases[] = {
      {"records before from are skipped; one at from has X = 0",
       {Readings(T0 - 60, 19, 50), Readings(T0 - 1, 19.5, 50.5), Readings(T0, 20, 55.5),
        Readings(T0 + 60, 21, 56)},
       {{0, 20, 55.5}, {60, 21, 56}}},
      {"a time not newer than the last kept one is skipped",
       {Readings(T0 + 60, 20, 50), Readings(T0 + 60, 21, 51), Readings(T0 + 30, 22, 52),
        Readings(T0 + 120, 23, 53)},
       {{60, 20, 50}, {120, 23, 53}}},
      {"a settings record and then a readings record of the same second",
       {Readings(T0 + 1, 19, 49), Settings(T0 + 60), Readings(T0 + 60, 20, 50)},
       {{1, 19, 49}, {60, 20, 50}}},
      {"settings records never become points", {Settings(T0 + 60), Settings(T0 + 120)}, {}},
      {"an unusable line and then a good one of the same second",
       {Hand(T0 + 60, "02EE02"), Readings(T0 + 60, 21, 51)},
       {{60, 21, 51}}},
      {"link-loss lines are skipped before anything is read from them",
       {Hand(T0 + 60, good + " *** no link ***"), Readings(T0 + 60, 21, 51),
        Hand(T0 + 5000, "*** no link ***"), Readings(T0 + 120, 22, 52)},
       {{60, 21, 51}, {120, 22, 52}}},
      {"white space between and inside the pairs",
       {Hand(T0 + 60, "02 EE 02 2B 00"), Hand(T0 + 120, "0 2E\tE 0 22 B0\v0"),
        Hand(T0 + 180, "  \f02EE022B00")},
       {{60, 20, 55.5}, {120, 20, 55.5}, {180, 20, 55.5}}},
      {"too few pairs",
       {Hand(T0 + 60, "02EE022B"), Hand(T0 + 120, "02EE022B0"), Hand(T0 + 180, ""),
        Hand(T0 + 240, "02EE022B\r")},
       {}},
      {"more pairs than the frame, and whatever follows the last byte",
       {Hand(T0 + 60, good + "FF"), Hand(T0 + 120, good + " xyz ;*"), Hand(T0 + 180, good + "g")},
       {{60, 20, 55.5}, {120, 20, 55.5}, {180, 20, 55.5}}},
      {"lower-case letters and G make a line unusable",
       {Hand(T0 + 60, "02ee022b00"), Hand(T0 + 60, "02EG022B00"), Hand(T0 + 60, "02EE022B0a"),
        Hand(T0 + 60, "G2EE022B00"), Readings(T0 + 60, 21, 51)},
       {{60, 21, 51}}},
      {"leading white space and a sign before the time",
       {Hand("   " + std::to_string(T0 + 60), good), Hand("+" + std::to_string(T0 + 120), good),
        Hand("\t\r +" + std::to_string(T0 + 180), good), Hand("+ " + std::to_string(T0 + 240), good),
        Hand("-" + std::to_string(T0 + 300), good), Hand("x" + std::to_string(T0 + 360), good),
        Hand("99999999999999999999", good), Hand("-99999999999999999999", good)},
       {{60, 20, 55.5}, {120, 20, 55.5}, {180, 20, 55.5}}},
      {"the stamp is skipped unchecked, blanks may precede the colon",
       {std::to_string(T0 + 60) + "abcdefghijklmnopqrs   : " + good,
        std::to_string(T0 + 120) + "abcdefghijklmnopqr: " + good,
        std::to_string(T0 + 180) + "abcdefghijklmnopqrs :" + good,
        std::to_string(T0 + 240) + "abcdefghijklmnopqrs :",
        std::to_string(T0 + 300) + "abcdefghijklmnopq"},
       {{60, 20, 55.5}}},
      {"a record at to is kept, the first one after it ends the reading",
       {Readings(T0 + 60, 20, 50), Readings(T0 + Window, 21, 51), Readings(T0 + Window + 1, 22, 52),
        Readings(T0 + 120, 23, 53)},
       {{60, 20, 50}, {Window, 21, 51}}},
      {"a settings record after to ends the reading too",
       {Readings(T0 + 60, 20, 50), Settings(T0 + Window + 1), Readings(T0 + 120, 23, 53)},
       {{60, 20, 50}}},
      {"an unusable line after to ends the reading too",
       {Readings(T0 + 60, 20, 50), Hand(T0 + Window + 1, "zz"), Readings(T0 + 120, 23, 53)},
       {{60, 20, 50}}},
      {"an empty file", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(folder_ / "QZ_Master_Log_0007.txt");
    Write(c.lines, Ends::CrLf);
    const GphData data = Read();
    EXPECT_EQ(Points(data), c.expected);
    EXPECT_EQ(data.labels_, (std::vector<std::wstring>{L"L0", L"L5"}));

    // The slow reading by formatted input agrees, line end by line end.
    std::istringstream in(TestSupport::ReadFileBytes(folder_ / "QZ_Master_Log_0007.txt"));
    const GphData slow = TestSupport::ReadByFormattedInput(node_->Type().Pars(), node_->OptPlt(),
                                                           in, T0, T0 + Window);
    EXPECT_EQ(slow.times_, data.times_);
    EXPECT_EQ(slow.series_, data.series_);
  }
}

TEST_F(GphDataTest, LineEnds_CrLfLfAndAMissingLastEndReadTheSame) {
  const std::vector<std::string> lines = {Readings(T0, 20, 50), Hand(T0 + 60, "02EE 022B 00"),
                                          Readings(T0 + 120, 22, 52)};
  const std::vector<Point> expected = {{0, 20, 50}, {60, 20, 55.5}, {120, 22, 52}};
  for (Ends ends : {Ends::CrLf, Ends::Lf, Ends::LfButTheLast}) {
    SCOPED_TRACE(static_cast<int>(ends));
    std::filesystem::remove(folder_ / "QZ_Master_Log_0007.txt");
    Write(lines, ends);
    EXPECT_EQ(Points(Read()), expected);
  }
}

TEST_F(GphDataTest, Columns_ReadableParametersCountPlottedOnesAppear) {
  struct Case {
    const char* name;
    std::initializer_list<std::size_t> plotted;
    std::vector<std::wstring> labels;
    std::vector<std::vector<double>> series;
  };
  const Case cases[] = {
      {"first and last readable", {0, 5}, {L"L0", L"L5"}, {{20}, {55.5}}},
      {"the last alone, after two readable ones not plotted", {5}, {L"L5"}, {{55.5}}},
      {"the bit between", {2}, {L"L2"}, {{1}}},
      {"every parameter: only the readable ones", {0, 1, 2, 3, 4, 5}, {L"L0", L"L2", L"L5"},
       {{20}, {1}, {55.5}}},
      {"only parameters that are not readable", {1, 3, 4}, {}, {}},
      {"none", {}, {}, {}},
  };
  Write({Readings(T0, 20, 55.5, true)}, Ends::CrLf);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Plot(c.plotted);
    const GphData data = Read();
    EXPECT_EQ(data.times_, std::vector<long>{0});
    EXPECT_EQ(data.labels_, c.labels);
    EXPECT_EQ(data.series_, c.series);
  }
}

TEST_F(GphDataTest, MissingFile_GivesEmptySeriesWithTheirLabels) {
  // Another instrument's file is not read either.
  const std::wstring other = MasterLogPath(Folder(), Address + 1);
  ASSERT_TRUE(AppendRecordLine(other, Readings(T0 + 60, 20, 50)));
  const GphData data = Read();
  EXPECT_TRUE(data.times_.empty());
  EXPECT_EQ(data.series_, (std::vector<std::vector<double>>{{}, {}}));
  EXPECT_EQ(data.labels_, (std::vector<std::wstring>{L"L0", L"L5"}));
  EXPECT_TRUE(GphData(*node_, Address, T0, T0 + Window, Folder() + L"/absent").times_.empty());
}

// A reading long enough to back the rest of its series with large pages
// keeps every record, before and after that point, in order.
TEST_F(GphDataTest, LongReading_KeepsEveryRecord) {
  const long count = 70000;
  std::string file;
  for (long i = 0; i < count; ++i)
    file += Readings(T0 + 60 * i, -20 + i % 600 / 10.0, i % 1000 / 10.0) + "\r\n";
  std::istringstream in(file);
  const GphData data = ReadGphData(*node_, in, T0, T0 + 60 * count);
  ASSERT_EQ(data.times_.size(), static_cast<std::size_t>(count));
  for (long i = 0; i < count; ++i) {
    ASSERT_EQ(data.times_[i], 60 * i);
    ASSERT_NEAR(data.series_[0][i], -20 + i % 600 / 10.0, 1e-9) << i;
    ASSERT_NEAR(data.series_[1][i], i % 1000 / 10.0, 1e-9) << i;
  }
}

// Messy files made from good ones by random damage: the in-place reader
// keeps exactly what formatted input per line keeps.
TEST_F(GphDataTest, DamagedLines_InPlaceReadingAgreesWithFormattedInput) {
  std::mt19937 random(7);
  const std::string noise = " \t\r\v:;+-*0123456789ABCDEFGafx\n";
  const std::string headNoise = " \t\r\v:;+-*x";
  Plot({0, 2, 5});
  for (int round = 0; round < 20; ++round) {
    std::string file;
    long t = T0 - 300;
    for (int i = 0; i < 400; ++i) {
      t += static_cast<long>(random() % 90) - 20;
      std::string line = random() % 7 == 0 ? Settings(t)
                                           : Readings(t, -10 + random() % 400 / 10.0,
                                                      random() % 1000 / 10.0, random() % 2);
      // Few lines damaged, and no digit put into a time nor joined to it: a
      // time far ahead would end the reading there.
      for (unsigned damage = random() % 6 ? 0 : 1 + random() % 3; damage-- > 0;) {
        const std::size_t at = random() % (line.size() + 1);
        const std::string& from = at < 11 ? headNoise : noise;
        const char c = from[random() % from.size()];
        switch (random() % 3) {
          case 0: line.insert(at, 1, c); break;
          case 1: if (at > 10 && at < line.size()) line.erase(at, 1); break;
          default: if (at < line.size()) line[at] = c; break;
        }
      }
      file += line + (random() % 5 ? "\r\n" : "\n");
    }
    for (long to : {T0 + Window, T0 + 100 * Window}) {
      std::istringstream fast(file);
      std::istringstream slow(file);
      const GphData a = ReadGphData(*node_, fast, T0, to);
      const GphData b =
          TestSupport::ReadByFormattedInput(node_->Type().Pars(), node_->OptPlt(), slow, T0, to);
      ASSERT_EQ(a.times_, b.times_) << "round " << round;
      ASSERT_EQ(a.series_, b.series_) << "round " << round;
      ASSERT_GT(a.times_.size(), 3u);
    }
  }
}

TEST(HexDigits, InPlaceAndStreamReadingFollowOneRule) {
  struct Case {
    std::string text;
    bool ok;
    VUC frame;       // when ok
    char next;       // the first character left after the frame, 0 for none
  };
  const Case cases[] = {
      {"02EE", true, {0x02, 0xEE}, 0},
      {" 0 2\r\nE\tE", true, {0x02, 0xEE}, 0},
      {"\v\f09AF", true, {0x09, 0xAF}, 0},
      {"FF00xyz", true, {0xFF, 0x00}, 'x'},
      {"FF00 1", true, {0xFF, 0x00}, ' '},
      {"02E", false, {}, 0},
      {"02ee", false, {}, 0},
      {"0G22", false, {}, 0},
      {"02E:", false, {}, 0},
      {"", false, {}, 0},
      {"   ", false, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    VUC inPlace(2);
    const char* p = c.text.data();
    const bool ok = ReadHexRow(inPlace, p, c.text.data() + c.text.size());
    EXPECT_EQ(ok, c.ok);
    VUC streamed(2);
    std::istringstream in(c.text);
    EXPECT_EQ(static_cast<bool>(ReadHexRow(streamed, in)), c.ok);
    if (!c.ok) continue;
    EXPECT_EQ(inPlace, c.frame);
    EXPECT_EQ(streamed, c.frame);
    const int next = in.get();
    EXPECT_EQ(p == c.text.data() + c.text.size() ? 0 : *p, c.next);
    EXPECT_EQ(next == std::char_traits<char>::eof() ? 0 : next, c.next);
  }
  const std::pair<char, int> digits[] = {{'0', 0},  {'9', 9},   {'A', 10}, {'F', 15}, {'G', -1},
                                         {'a', -1}, {'f', -1},  {'/', -1}, {':', -1}, {'@', -1},
                                         {' ', -1}, {'\0', -1}, {'\xC1', -1}};
  for (const auto& [c, value] : digits) EXPECT_EQ(HexDigit(c), value) << static_cast<int>(c);
}

}  // namespace
