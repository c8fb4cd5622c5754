// The settings form's layout on made-up instrument types: columns, titles,
// blocks, widths, the read-only rule, bit partners and visibility.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/gui/WindowStyles.h"
#include "views/form/FormLayout.h"

using namespace PardeloStravon;
using namespace Platform;

namespace {

// Builds a layout input parameter by parameter; each parameter joins the
// sub-group and group opened last.
class Synth {
 public:
  explicit Synth(int rows = 44, bool dhms = false) {
    in_.rows = rows;
    in_.dhms = dhms;
    in_.supervisor = true;
  }
  Synth& Group(bool shown, bool newCol = false) {
    in_.frmGrp.push_back({L"G" + std::to_wstring(in_.frmGrp.size()), shown, newCol});
    return Sub(false);
  }
  Synth& Sub(bool shown, bool newCol = false) {
    in_.frmSub.push_back(
        {L"S" + std::to_wstring(in_.frmSub.size()), shown, static_cast<int>(in_.frmGrp.size()) - 1, newCol});
    return *this;
  }
  // Settable edit rows shown to everyone.
  Synth& Rows(int count, FormPar p = Settable(), bool shown = true, bool free = true) {
    for (int k = 0; k < count; ++k) {
      in_.pars.push_back(p);
      in_.frm.push_back({L"P" + std::to_wstring(in_.frm.size()), shown, free,
                         static_cast<int>(in_.frmSub.size()) - 1, false});
    }
    return *this;
  }
  Synth& NewColumnOnLast() {
    in_.frm.back().frmNewCol_ = true;
    return *this;
  }
  Synth& User() {
    in_.supervisor = false;
    return *this;
  }
  static FormPar Settable() {
    FormPar p;
    p.set = true;
    return p;
  }
  static FormPar Bool(bool bitMain = false, bool bitSub = false) {
    FormPar p = Settable();
    p.isBool = true;
    p.bitMain = bitMain;
    p.bitSub = bitSub;
    return p;
  }
  FormLayoutInput in_;
};

struct Placed {
  std::wstring text;
  int x, y, cx, cy;
};

struct LayoutCase {
  const char* name;
  std::function<FormLayoutInput()> input;
  std::vector<Placed> expected;  // items found by their text
  int width, height;
};

const InterfItem* FindText(const FormLayout& layout, const std::wstring& text) {
  for (std::size_t i = 1; i < layout.items.size(); ++i)
    if (layout.items[i].text_ == text) return &layout.items[i];
  return nullptr;
}

// Column width C = 109 without durations, 119 with; a row's y = 13 + 9 R.
const LayoutCase Cases[] = {
    {"RowFortyFiveOpensTheSecondColumn",
     [] { return Synth().Group(false).Rows(45).in_; },
     {{L"P0", 2, 13, 70, 10}, {L"P43", 2, 400, 70, 10}, {L"P44", 111, 13, 70, 10}},
     462,
     409 + 1},
    {"GroupTitleAtRow41StartsANewColumn",
     [] { return Synth().Group(false).Rows(41).Group(true).Rows(1).in_; },
     {{L"P40", 2, 373, 70, 10}, {L"G1", 111, 13, 104, 10}, {L"P41", 111, 22, 70, 10}},
     462,
     382 + 1},
    {"GroupTitleAtRow40StaysAfterABlankLine",
     [] { return Synth().Group(false).Rows(40).Group(true).Rows(1).in_; },
     {{L"P39", 2, 364, 70, 10}, {L"G1", 2, 382, 104, 10}, {L"P40", 2, 391, 70, 10}},
     462,
     400 + 1},
    {"SubGroupTitleAtRow43StartsANewColumn",
     [] { return Synth().Group(false).Rows(43).Sub(true).Rows(1).in_; },
     {{L"S1", 111, 13, 104, 10}, {L"P43", 111, 22, 70, 10}},
     462,
     400 + 1},
    {"SubGroupTitleAtRow42Stays",
     [] { return Synth().Group(false).Rows(42).Sub(true).Rows(1).in_; },
     {{L"S1", 2, 391, 104, 10}, {L"P42", 2, 400, 70, 10}},
     462,
     409 + 1},
    {"NewColumnFlagOnAColumnsFirstRowDoesNothing",
     [] { return Synth().Group(false).Rows(1).NewColumnOnLast().Rows(1).in_; },
     {{L"P0", 2, 13, 70, 10}, {L"P1", 2, 22, 70, 10}},
     462,
     31 + 1},
    {"NewColumnFlagInsideAColumnMovesTheRow",
     [] { return Synth().Group(false).Rows(2).NewColumnOnLast().in_; },
     {{L"P0", 2, 13, 70, 10}, {L"P1", 111, 13, 70, 10}},
     462,
     22 + 1},
    {"NewColumnFlagOfAGroupTitle",
     [] { return Synth().Group(false).Rows(1).Group(true, true).Rows(1).in_; },
     {{L"G1", 111, 13, 104, 10}, {L"P1", 111, 22, 70, 10}},
     462,
     31 + 1},
    {"DurationsWidenColumnsAndEdits",
     [] {
       Synth s(2, true);
       return s.Group(false).Rows(5).in_;
     },
     {{L"P2", 121, 13, 70, 10}, {L"P4", 240, 13, 70, 10}},
     462,
     31 + 1},
    {"WidthIsTheLastColumnsRightEdge",
     [] { return Synth(3).Group(false).Rows(16).in_; },
     {{L"P15", 2 + 5 * 109, 13, 70, 10}},
     2 + 6 * 109,
     40 + 1},
    {"ZeroRowsPerColumnCountAsOne",
     [] { return Synth(0).Group(false).Rows(3).in_; },
     {{L"P0", 2, 13, 70, 10}, {L"P1", 111, 13, 70, 10}, {L"P2", 220, 13, 70, 10}},
     462,
     22 + 1},
    {"NegativeRowsPerColumnCountAsOne",
     [] { return Synth(-3).Group(false).Rows(5).in_; },
     {{L"P4", 2 + 4 * 109, 13, 70, 10}},
     2 + 5 * 109,
     22 + 1},
    {"GroupTitleNotRepeatedAndHiddenGroupUntitled",
     [] {
       Synth s;
       s.Group(true).Rows(2).Sub(true).Rows(1).Group(true).Rows(1, Synth::Settable(), false).Group(true).Rows(1);
       return s.User().in_;
     },
     // G0, P0, P1, S1, P2, (G1 hidden with its row), blank, G2, P4
     {{L"G0", 2, 13, 104, 10},
      {L"P0", 2, 22, 70, 10},
      {L"P1", 2, 31, 70, 10},
      {L"S1", 2, 40, 104, 10},
      {L"P2", 2, 49, 70, 10},
      {L"G2", 2, 67, 104, 10},
      {L"P4", 2, 76, 70, 10}},
     462,
     85 + 1},
};

TEST(FormLayoutTest, ItemsSitWhereTheColumnRulesPutThem) {
  for (const LayoutCase& c : Cases) {
    SCOPED_TRACE(c.name);
    const FormLayout layout = LayOutForm(c.input());
    for (const Placed& p : c.expected) {
      SCOPED_TRACE(std::string(p.text.begin(), p.text.end()));
      const InterfItem* item = FindText(layout, p.text);
      ASSERT_NE(item, nullptr);
      EXPECT_EQ(item->x_, p.x);
      EXPECT_EQ(item->y_, p.y);
      EXPECT_EQ(item->cx_, p.cx);
      EXPECT_EQ(item->cy_, p.cy);
    }
    EXPECT_EQ(layout.items[0].cx_, c.width);
    EXPECT_EQ(layout.items[0].cy_, c.height);
  }
}

TEST(FormLayoutTest, DurationFormatSetsValueTitleAndColumnWidths) {
  for (bool dhms : {false, true}) {
    SCOPED_TRACE(dhms);
    Synth s(2, dhms);
    s.Group(true).Rows(2);
    const FormLayout layout = LayOutForm(s.in_);
    // G0, P0 label, P0 edit, P1 label (next column), P1 edit
    ASSERT_EQ(layout.items.size(), 16u);
    EXPECT_EQ(layout.items[11].cx_, dhms ? 114 : 104);
    EXPECT_EQ(layout.items[13].cx_, dhms ? 42 : 32);
    EXPECT_EQ(layout.items[14].x_, 2 + (dhms ? 119 : 109));
    EXPECT_EQ(layout.items[15].x_, 74 + (dhms ? 119 : 109));
  }
}

TEST(FormLayoutTest, ButtonsHaveFixedIdsPlacesAndTexts) {
  Synth s;
  s.Group(false).Rows(1);
  for (int k = 0; k < 6; ++k) s.in_.buttons[k] = L"B" + std::to_wstring(k);
  const FormLayout layout = LayOutForm(s.in_);
  ASSERT_GE(layout.items.size(), 11u);
  const struct {
    int x, cx;
    std::wstring text;
  } buttons[10] = {{2, 60, L"B0"},  {64, 60, L"B1"}, {126, 60, L"B2"}, {188, 60, L"B3"}, {250, 60, L"B4"},
                   {312, 60, L"B5"}, {374, 20, L"|<"}, {396, 20, L"<"},  {418, 20, L">"},  {440, 20, L">|"}};
  for (int k = 0; k < 10; ++k) {
    const InterfItem& b = layout.items[1 + k];
    EXPECT_EQ(b.id_, 9000 + k);
    EXPECT_EQ(b.atom_, ClassButton);
    EXPECT_EQ(b.style_, 0x50010000u);
    EXPECT_EQ(b.x_, buttons[k].x);
    EXPECT_EQ(b.y_, -1);
    EXPECT_EQ(b.cx_, buttons[k].cx);
    EXPECT_EQ(b.cy_, 13);
    EXPECT_EQ(b.text_, buttons[k].text);
  }
  // The controls follow in creation order from 9010, which is also tab order.
  for (std::size_t i = 11; i < layout.items.size(); ++i) EXPECT_EQ(layout.items[i].id_, int(9010 + i - 11));
  EXPECT_EQ(layout.items[0].style_, 0x40000048u);
}

TEST(FormLayoutTest, FontSizeFromTheProgramFontsHeight) {
  const struct {
    int lfHeight;
    int size;
  } cases[] = {{-13, 5}, {-27, 12}, {13, 5}, {27, 12}, {0, 0}, {-2, 0}, {-100, 44}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lfHeight);
    Synth s;
    s.Group(false).Rows(1);
    s.in_.lfHeight = c.lfHeight;
    s.in_.face = L"DejaVu Serif";
    const FormLayout layout = LayOutForm(s.in_);
    EXPECT_EQ(layout.items[0].fontSize_, c.size);
    EXPECT_EQ(layout.items[0].FontSizeUsed(), c.size == 0 ? 8 : c.size);
    EXPECT_EQ(layout.items[0].FontNameUsed(), L"DejaVu Serif");
  }
  Synth s;
  s.Group(false).Rows(1);
  EXPECT_EQ(LayOutForm(s.in_).items[0].FontNameUsed(), L"Arial");
}

struct EditCase {
  bool free, supervisor, set, maNetAdd, ro;
  bool editable;
};

TEST(FormLayoutTest, ValueControlIsReadOnlyUnlessFreeOrSupervisedSettableAndNeitherAddressNorReadOnly) {
  const EditCase cases[] = {
      {true, false, true, false, false, true},   {false, true, true, false, false, true},
      {false, false, true, false, false, false}, {true, true, false, false, false, false},
      {true, true, true, true, false, false},    {true, true, true, false, true, false},
  };
  for (const EditCase& c : cases) {
    for (bool isBool : {false, true}) {
      SCOPED_TRACE(testing::Message() << c.free << c.supervisor << c.set << c.maNetAdd << c.ro << isBool);
      FormPar p;
      p.set = c.set;
      p.maNetAdd = c.maNetAdd;
      p.ro = c.ro;
      p.isBool = isBool;
      Synth s;
      s.Group(false).Rows(1, p, true, c.free);
      s.in_.supervisor = c.supervisor;
      const FormLayout layout = LayOutForm(s.in_);
      ASSERT_EQ(layout.items.size(), 13u);
      const InterfItem& value = layout.items[12];
      EXPECT_EQ(layout.rows[0], std::make_pair(9011, isBool));
      EXPECT_EQ(value.x_, 74);
      if (isBool) {
        EXPECT_EQ(value.atom_, ClassButton);
        EXPECT_EQ(value.style_, c.editable ? 0x50010006u : 0x50010005u);
        EXPECT_EQ(value.cx_, 9);
        EXPECT_EQ(value.cy_, 10);
        EXPECT_EQ(value.text_, L"");
      } else {
        EXPECT_EQ(value.atom_, ClassEdit);
        EXPECT_EQ(value.style_, c.editable ? 0x50010006u : 0x50010806u);
        EXPECT_EQ(value.exStyle_, 0x200u);
        EXPECT_EQ(value.cx_, 32);
        EXPECT_EQ(value.cy_, 11);
        EXPECT_EQ(value.text_, L".");
      }
      const InterfItem& label = layout.items[11];
      EXPECT_EQ(label.atom_, ClassStatic);
      EXPECT_EQ(label.style_, 0x50000200u);
    }
  }
}

TEST(FormLayoutTest, BitPartnerJoinsTheRowUntestedWithTheFirstBoxesStyle) {
  for (bool free : {false, true}) {
    SCOPED_TRACE(free);
    Synth s;
    s.Group(false).Rows(1, Synth::Bool(true), true, free);
    // The partner is hidden and asks for a new column: neither is looked at.
    s.Rows(1, Synth::Bool(false, true), false, !free).NewColumnOnLast();
    s.Rows(1);
    s.User();
    const FormLayout layout = LayOutForm(s.in_);
    ASSERT_EQ(layout.rows.size(), 3u);
    EXPECT_EQ(layout.rows[0], std::make_pair(9011, true));
    EXPECT_EQ(layout.rows[1], std::make_pair(9012, true));
    EXPECT_EQ(layout.rows[2], std::make_pair(9014, false));
    const InterfItem& first = layout.items[12];
    const InterfItem& second = layout.items[13];
    EXPECT_EQ(second.x_, 85);
    EXPECT_EQ(second.y_, first.y_);
    EXPECT_EQ(second.cy_, first.cy_);
    EXPECT_EQ(second.style_, first.style_);
    EXPECT_EQ(first.style_, free ? 0x50010006u : 0x50010005u);
    EXPECT_EQ(layout.items[14].y_, 22);  // the next row, same column
    EXPECT_EQ(layout.items[14].x_, 2);
  }
}

TEST(FormLayoutTest, BitMainWithoutAPartnerKeepsOneBox) {
  Synth s;
  s.Group(false).Rows(1, Synth::Bool(true)).Rows(1, Synth::Bool());
  const FormLayout layout = LayOutForm(s.in_);
  EXPECT_EQ(layout.rows[0], std::make_pair(9011, true));
  EXPECT_EQ(layout.rows[1], std::make_pair(9013, true));
  EXPECT_EQ(layout.items[14].y_, 22);
}

TEST(FormLayoutTest, VisibilityByAccessPadAndSlave) {
  FormPar pad = Synth::Settable();
  pad.pad = true;
  FormPar slave = Synth::Settable();
  slave.slave = true;
  for (bool supervisor : {false, true}) {
    SCOPED_TRACE(supervisor);
    Synth s;
    s.Group(false).Rows(1).Rows(1, Synth::Settable(), false).Rows(1, pad).Rows(1, slave).Rows(1);
    s.in_.supervisor = supervisor;
    const FormLayout layout = LayOutForm(s.in_);
    std::vector<int> shown;
    for (const auto& row : layout.rows) shown.push_back(row.first != 0);
    EXPECT_EQ(shown, (std::vector<int>{1, supervisor, 0, 0, 1}));
    EXPECT_EQ(layout.items.size(), 11u + 2 * (supervisor ? 3 : 2));
    EXPECT_EQ(layout.items[0].cy_, 13 + 9 * (supervisor ? 3 : 2) + 1);
  }
}

TEST(FormLayoutTest, OptionIndexOutsideItsVectorThrows) {
  Synth s;
  s.Group(false).Rows(1);
  s.in_.frm[0].frmSubIdx_ = 5;
  EXPECT_THROW(LayOutForm(s.in_), std::out_of_range);
}

}  // namespace
