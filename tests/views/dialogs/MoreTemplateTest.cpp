#include <gtest/gtest.h>

#include <set>

#include "foundation/catalogue/InstrTable.h"
#include "platform/gui/WindowStyles.h"
#include "tests/support/TestCatalogue.h"
#include "views/dialogs/InterfWin.h"
#include "views/dialogs/MoreTable.h"
#include "views/dialogs/MoreTemplate.h"

using namespace PardeloStravon;
using namespace Platform;

namespace {

class MoreTemplateTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { TestSupport::LoadNetworkTestCatalogue(); }
};

struct Built {
  std::vector<std::vector<int>> ids;
  int width = 0;
  int height = 0;
  std::vector<InterfItem> items;
  VUC bytes;
};

Built Build(const std::wstring& code, bool supervisor) {
  const InstrPars pars = InstrByCode(code).Pars();
  Built b;
  b.ids.assign(MoreColumns, std::vector<int>(pars.size(), 0));
  b.bytes = BuildMoreTemplate(pars, b.ids, b.width, b.height, supervisor, b.items);
  return b;
}

const InterfItem& ItemOf(const Built& b, int id) { return b.items.at(static_cast<std::size_t>(id - MoreFirstId + 1)); }

bool Enabled(const Built& b, int id) { return (ItemOf(b, id).style_ & WS_DISABLED) == 0; }

}  // namespace

// Hand-counted: six parameters with rows (1, 3, 5, 7, 8, 9), three group
// titles each after a blank row, four sub-group titles. Titles keep their
// cells at the row where their run of all parameters begins: 0 (a slave),
// 3, 6 (a pad) and 9.
TEST_F(MoreTemplateTest, RunsOpeningWithPadsAndSlaves_KeepTheirTitleCellsAtTheRunsFirstRow) {
  const Built b = Build(TestSupport::MoreRunsType, true);
  EXPECT_EQ(b.width, 760);
  EXPECT_EQ(b.height, 35 + 9 * (6 + 3 + 4 + 3));
  EXPECT_EQ(b.items.size(), 1u + 4 + 13 + 3 * 7 + 4 * 7 + 15 + 17 + 17 + 17 + 17 + 15);
  const std::set<int> rows = {1, 3, 5, 7, 8, 9}, subRows = {0, 3, 6, 9}, grpRows = {0, 6, 9};
  const std::set<int> settable = {3, 5, 7, 8};
  for (int row = 0; row < 10; ++row) {
    SCOPED_TRACE(row);
    for (int column = colValue; column <= colFrmNewCol; ++column) {
      const bool expected = rows.count(row) && ((column != colFormFree && column != colFrmFree) || settable.count(row));
      EXPECT_EQ(b.ids[column][row] != 0, expected) << "column " << column;
    }
    for (int column = colSubTitle; column <= colSubNewColOpt; ++column)
      EXPECT_EQ(b.ids[column][row] != 0, subRows.count(row) == 1) << "column " << column;
    for (int column = colGrpTitle; column <= colGrpNewColOpt; ++column)
      EXPECT_EQ(b.ids[column][row] != 0, grpRows.count(row) == 1) << "column " << column;
  }
  // The pad's sub-group and group titles stand on the next row shown, the
  // address's: a blank row, the group title, the sub-group title, the row.
  EXPECT_EQ(ItemOf(b, b.ids[colGrpTitle][6]).y_ + 18, ItemOf(b, b.ids[colValue][7]).y_);
  EXPECT_EQ(ItemOf(b, b.ids[colSubTitle][6]).y_ + 9, ItemOf(b, b.ids[colValue][7]).y_);
  EXPECT_EQ(ItemOf(b, b.ids[colSubTitle][0]).y_, 35 + 18);
}

TEST_F(MoreTemplateTest, PassFreeCell_EnabledOnlyForSupervisorsAndNotForTheAddress) {
  for (bool supervisor : {false, true}) {
    const Built b = Build(TestSupport::MoreRunsType, supervisor);
    for (int row : {3, 5, 8}) EXPECT_EQ(Enabled(b, b.ids[colFrmFree][row]), supervisor) << row;
    EXPECT_FALSE(Enabled(b, b.ids[colFrmFree][7])) << "the network address";
    EXPECT_FALSE(Enabled(b, b.ids[colFormFree][3])) << "the catalogue's column is fixed";
    EXPECT_TRUE(Enabled(b, b.ids[colFrmNewCol][3]));
  }
}

// Over every type: the ids are the items', in creation order from 9000; the
// table is 760 wide and 35 plus 9 a row high; the pass-free cells exist
// exactly for settable parameters; a fixed column is disabled.
TEST_F(MoreTemplateTest, EveryType_LaysOutItsRowsAndTitles) {
  for (const std::wstring& code : InstrCodes()) {
    SCOPED_TRACE(testing::Message() << std::string(code.begin(), code.end()));
    const Built b = Build(code, true);
    const InstrPars pars = InstrByCode(code).Pars();
    EXPECT_EQ(b.width, 760);
    for (std::size_t i = 1; i < b.items.size(); ++i) EXPECT_EQ(b.items[i].id_, MoreFirstId + static_cast<int>(i) - 1);
    EXPECT_EQ(b.items[0].cx_, 356);
    int shown = 0, subTitles = 0, grpTitles = 0, maxY = 0, cells = 0;
    for (std::size_t i = 0; i < pars.size(); ++i) {
      const bool hasRow = !pars[i]->ParIsPad() && !pars[i]->ParIsSlave();
      shown += hasRow;
      subTitles += b.ids[colSubTitle][i] != 0;
      grpTitles += b.ids[colGrpTitle][i] != 0;
      EXPECT_EQ(b.ids[colValue][i] != 0, hasRow) << i;
      EXPECT_EQ(b.ids[colFrmFree][i] != 0, hasRow && pars[i]->ParIsSet()) << i;
      EXPECT_EQ(b.ids[colFormFree][i] != 0, hasRow && pars[i]->ParIsSet()) << i;
      for (int column = 0; column < MoreColumns; ++column) {
        const int id = b.ids[column][i];
        if (id == 0) continue;
        ++cells;
        const InterfItem& item = ItemOf(b, id);
        maxY = std::max(maxY, item.y_ + 9);
        const bool fixed = column == colValue || column == colStatusText || column == colStatusDefault ||
                           column == colPlotText || column == colPlotDefault || column == colFormText ||
                           column == colFormShown || column == colFormFree || column == colFormNewCol ||
                           (column >= colSubTitle && column <= colSubNewCol) ||
                           (column >= colGrpTitle && column <= colGrpNewCol);
        if (fixed) {
          EXPECT_FALSE(Enabled(b, id)) << "column " << column;
        }
        EXPECT_EQ(item.cy_, 8);
      }
    }
    EXPECT_EQ(b.height, 35 + 9 * (shown + subTitles + 2 * grpTitles));
    EXPECT_EQ(b.height, maxY);
    // The dialog, four buttons, thirteen header texts, a title text a title
    // row, and the cells.
    EXPECT_EQ(b.items.size(), static_cast<std::size_t>(1 + 4 + 13 + subTitles + grpTitles + cells));
    EXPECT_EQ(b.bytes.size(), static_cast<std::size_t>(InterfWin(b.items).WinSize()));
  }
}
