#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/values/ValueText.h"
#include "network/schedule/StatusTexts.h"
#include "tests/support/TestCatalogue.h"

using namespace PardeloStravon;

namespace {

const Node::InstrLink links[] = {Node::to_check, Node::not_yet,  Node::no_link,
                                 Node::yes_link, Node::int_link, Node::lost_link};

class StatusTextsTest : public ::testing::Test {
 protected:
  void SetUp() override { TestSupport::LoadNetworkTestCatalogue(); }
  void TearDown() override { SetCurrentLanguage(0); }
};

// Shows the parameters at the given positions of the sparse type, labelled
// with the letter of their position.
Node SparseNodeShowing(std::initializer_list<std::size_t> shown) {
  Node node(TestSupport::SparseFrameType);
  std::vector<InstrParOptSt> st = node.OptSt();
  for (std::size_t i = 0; i < st.size(); ++i) {
    st[i].stTextOpt_ = std::wstring(1, static_cast<wchar_t>(L'a' + i));
    st[i].stDefOpt_ = false;
  }
  for (std::size_t i : shown) st[i].stDefOpt_ = true;
  node.SetOptSt(st);
  return node;
}

// The frame's values with every value given as text.
InstrParValues FrameValues(const InstrPars& pars, const std::vector<std::wstring>& texts) {
  InstrParValues values = DefaultValues(pars);
  for (std::size_t i = 0; i < pars.size(); ++i)
    EXPECT_TRUE(TextToValue(*pars[i]->ParRange(), texts.at(i), values[i]));
  return values;
}

}  // namespace

TEST_F(StatusTextsTest, LinkText_IsTheCurrentLanguagesOwnTextForEveryState) {
  for (std::size_t language = 0; language < 2; ++language) {
    SetCurrentLanguage(language);
    std::set<std::wstring> texts;
    for (Node::InstrLink k : links) texts.insert(LinkText(k));
    EXPECT_EQ(texts.size(), 6u) << "language " << language;
  }
  SetCurrentLanguage(0);
  const std::wstring english = LinkText(Node::lost_link);
  SetCurrentLanguage(1);
  EXPECT_NE(LinkText(Node::lost_link), english);
}

TEST_F(StatusTextsTest, LinkTextOfAnUnknownState_Throws) {
  try {
    LinkText(static_cast<Node::InstrLink>(6));
    FAIL() << "no exception";
  } catch (const std::invalid_argument& e) {
    EXPECT_STREQ(e.what(), "Invalid argument in LinkText(Node::InstrLink k)");
  }
}

TEST_F(StatusTextsTest, NodeStatusText_ShowsChosenValuesOnceTheirKindHasArrived) {
  // Positions: 0 read, 1 set, 2 read (bit), 3 set, 4 neither, 5 read and set.
  EXPECT_EQ(NodeStatusText(SparseNodeShowing({})), L"");

  Node node = SparseNodeShowing({0, 2, 4, 5});
  EXPECT_EQ(NodeStatusText(node), L"a: *** - c: *** - e: *** - f: ***");

  const InstrPars all = node.Type().Pars();
  node.LatestSettings(FrameValues(SettablePars(all), {L"40", L"7", L"55"}));
  EXPECT_EQ(NodeStatusText(node), L"a: *** - c: *** - e: *** - f: 55");

  node.LatestReadings(FrameValues(ReadablePars(all), {L"21.5", L"1", L"60"}));
  EXPECT_EQ(NodeStatusText(node), L"a: 21.5 - c: 1 - e: *** - f: 60");
}
