// The options table's cells and the tables' shared geometry, under a fixed
// time zone.
#include <gtest/gtest.h>

#include <boost/numeric/conversion/cast.hpp>

#include <cstdlib>
#include <ctime>
#include <string>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/TimeFormat.h"
#include "tests/support/CatalogueFixture.h"
#include "views/tables/TableGeometry.h"
#include "views/tables/TableTexts.h"

namespace {

using namespace PardeloStravon;

class TableCells : public testing::Test {
 protected:
  static void SetUpTestSuite() { TestSupport::LoadShippedCatalogue(); }
  void SetUp() override {
    const char* tz = std::getenv("TZ");
    oldTz_ = tz ? tz : "";
    hadTz_ = tz != nullptr;
    setenv("TZ", "UTC-2", 1);
    tzset();
  }
  void TearDown() override {
    if (hadTz_)
      setenv("TZ", oldTz_.c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }

 private:
  std::string oldTz_;
  bool hadTz_ = false;
};

TEST_F(TableCells, EveryKindOfCellReadsAsTheOptionsTableShowsIt) {
  const std::wstring dateFormat = L"%Y-%m-%d %H:%M:%S";
  const struct {
    const char* what;
    std::wstring text;
    std::wstring expected;
  } cases[] = {
      {"flag on", OnOffText(true), DictText(CTW_on)},
      {"flag off", OnOffText(false), DictText(CTW_off)},
      {"5 minutes as d h:mm:ss", IntervalText(300, true), L"5:00"},
      {"5 minutes in seconds", IntervalText(300, false), L"300"},
      {"an hour as d h:mm:ss", IntervalText(3600, true), L"1:00:00"},
      {"an hour in seconds", IntervalText(3600, false), L"3600"},
      {"a day as d h:mm:ss", IntervalText(86400, true), L"1 0:00:00"},
      {"a day in seconds", IntervalText(86400, false), L"86400"},
      {"25 hours as d h:mm:ss", IntervalText(90000, true), L"1 1:00:00"},
      {"25 hours in seconds", IntervalText(90000, false), L"90000"},
      {"a week of printing", DaysText(604800), L"7"},
      {"25 hours of printing", DaysText(90000), L"1.042"},
      {"a day and a half of printing", DaysText(129600), L"1.5"},
      {"next due, default format", DueText(86400 * 365, dateFormat), L"1971-01-01 02:00:00"},
      {"next due, a format with line breaks", DueText(0, L"%d/%m/%Y\n%H:%M\r%S"), L"01/01/1970 02:00 00"},
      {"an empty format", FormatLocalTime(0, L"", true), L""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.text, c.expected) << c.what;
}

TEST_F(TableCells, ATimeTextLongerThanTheFirstBufferIsNeverCut) {
  std::wstring format, expected;
  for (int i = 0; i < 40; ++i) {
    format += L"%Y-%m-%d %H:%M:%S|";
    expected += L"1970-01-01 02:00:00|";
  }
  EXPECT_EQ(FormatLocalTime(0, format, false), expected);
}

TEST(TableGeometry, LineStepsColumnsAndPrintedPagesFollowTheFixedRules) {
  EXPECT_EQ(LineStep(45), -50);
  EXPECT_EQ(LineStep(31), -35);  // the default font: 34.1 + 1 truncated
  EXPECT_EQ(XPosOf(930, 18), 1004);
  EXPECT_EQ(XPosOf(4100, 18), 4428);
  EXPECT_THROW(XPosOf(2000000000, 100), boost::numeric::bad_numeric_cast);
  EXPECT_THROW(TruncToInt(-3e9), boost::numeric::bad_numeric_cast);

  const struct {
    int pageHeight, pitch, perPage, rows, pages;
  } cases[] = {
      {2770, 110, 22, 45, 3},   // A4 less margins
      {-2770, 110, 22, 44, 2},  // the page height as the mapping gives it
      {1590, 110, 11, 23, 3},
      {470, 110, 1, 21, 21},
      {350, 110, 0, 5, 1},  // not one row: one page announced
      {2770, 35, 71, 71, 1},
  };
  for (const auto& c : cases) {
    const int r = RowsPerPrintedPage(c.pageHeight, c.pitch);
    EXPECT_EQ(r, c.perPage) << c.pageHeight;
    EXPECT_EQ(PrintPageCount(c.rows, r), c.pages) << c.pageHeight << " " << c.rows;
  }
  EXPECT_EQ(PrintPageCount(0, 20), 0);
  // Fonts within 110 units keep the fixed pitch; taller ones print at
  // their own line step.
  EXPECT_EQ(PrintedRowPitch(-35), 110);
  EXPECT_EQ(PrintedRowPitch(-110), 110);
  EXPECT_EQ(PrintedRowPitch(-140), 140);
}

// How a table too wide for legible print is cut into bands of a page.
TEST(TableGeometry, AWideTableIsCutIntoBandsAtItsColumnsAndAWideColumnGoesOnInside) {
  using Bands = std::vector<TableBand>;
  auto same = [](const Bands& a, const Bands& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
      if (a[i].left != b[i].left || a[i].right != b[i].right || a[i].continues != b[i].continues ||
          a[i].key != b[i].key)
        return false;
    return true;
  };
  const struct {
    const char* what;
    std::vector<int> columns;
    int width, maxWidth, key;
    Bands expected;
  } cases[] = {
      {"fits: one band, as wide as the table", {0, 100, 200}, 300, 300, 0, {{0, 300, false, 0}}},
      {"no limit: one band", {0, 100}, 5000, 0, 0, {{0, 5000, false, 0}}},
      {"cut at the last column start in reach", {0, 100, 200, 300}, 400, 250, 0, {{0, 200, false, 0}, {200, 400, false, 0}}},
      {"later bands repeat the key", {0, 50, 200, 300}, 400, 250, 50,
       {{0, 200, false, 0}, {200, 400, false, 50}}},
      {"a key over half the band is dropped", {0, 200, 300}, 400, 250, 200, {{0, 200, false, 0}, {200, 400, false, 0}}},
      {"a column wider than any band goes on inside it", {20}, 500, 200, 0,
       {{0, 200, false, 0}, {200, 400, true, 0}, {400, 500, true, 0}}},
      {"short columns first, then a wide last column", {0, 100, 150}, 600, 250, 0,
       {{0, 250, false, 0}, {250, 500, true, 0}, {500, 600, true, 0}}},
      {"a last column that one band holds starts its own", {0, 100, 150}, 350, 250, 0,
       {{0, 150, false, 0}, {150, 350, false, 0}}},
  };
  for (const auto& c : cases) {
    const Bands bands = CutIntoBands(c.columns, c.width, c.maxWidth, c.key);
    EXPECT_TRUE(same(bands, c.expected)) << c.what;
    for (const TableBand& band : bands)
      if (c.maxWidth > 0) {
        EXPECT_LE(band.Width(), c.maxWidth) << c.what;
      }
  }
  // Text 40 units high, printed at least 2.8 mm: 190 mm of paper holds a
  // band of 2714 units.
  EXPECT_EQ(LegibleBandWidth(1900, 40), 2714);
  EXPECT_EQ(TextHeightOfLineStep(LineStep(45)), 45);
  EXPECT_EQ(TextHeightOfLineStep(LineStep(31)), 31);
  // One band and one header line: the fixed rule. More bands share the
  // lines, each spending its header and a line above it.
  EXPECT_EQ(RowsPerBandedPage(2770, 110, 1, 1), RowsPerPrintedPage(2770, 110));
  EXPECT_EQ(RowsPerBandedPage(2770, 35, 1, 3), 69);
  EXPECT_EQ(LinesPerBand(2770, 35, 2), 36);
  EXPECT_EQ(RowsPerBandedPage(2770, 35, 2, 3), 32);
}

}  // namespace
