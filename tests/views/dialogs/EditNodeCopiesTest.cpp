#include <gtest/gtest.h>

#include "network/nodes/Node.h"
#include "tests/support/TestCatalogue.h"
#include "views/dialogs/EditNodeCopies.h"

using namespace PardeloStravon;

namespace {

class EditNodeCopiesTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { TestSupport::LoadNetworkTestCatalogue(); }
};

// What GUI tasks and the executor store while the dialog is open.
void StoreMeanwhile(Node& node) {
  node.UpdateState([](NodeSt& st) {
    st.link_ = Node::lost_link;
    st.linkDeadline_ = 5000;
    st.linkAlarm_ = true;
    st.alarm_ = 3;
    st.gn_ = 7300;
  });
}

}  // namespace

TEST_F(EditNodeCopiesTest, WriteBack_KeepsWhatOthersStoredAndWritesOnlyChangedDueTimes) {
  const struct {
    const char* what;
    bool defaulted;
    long typedXn;  // the xn_ on OK; 1000 is the one shown
    long expectXn, expectGn, expectYn;
  } cases[] = {
      {"rename only: due times as the executor left them", false, 1000, 1000, 7300, 2000},
      {"a typed xn_ is stored, the advanced gn_ kept", false, 4242, 4242, 7300, 2000},
      {"after Default all six due times are 0", true, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    Node node(TestSupport::OneRunType);
    node.UpdateState([](NodeSt& st) {
      st.xn_ = 1000;
      st.yn_ = 2000;
      st.gn_ = 3000;
      st.link_ = Node::yes_link;
    });
    EditNodeCopies edited = EditNodeCopies::Of(node);
    const NodeSt shown = edited.st;
    StoreMeanwhile(node);

    edited.opt.nm_ = L"Cold room";
    edited.opt.ps_ = 0;
    edited.vIPOSt.at(0).stTextOpt_ = L"Air";
    if (c.defaulted) edited.st = NodeSt();
    edited.st.xn_ = c.typedXn;
    WriteBack(node, edited, shown, c.defaulted);

    const NodeSt st = node.State();
    EXPECT_EQ(static_cast<long>(st.xn_), c.expectXn) << c.what;
    EXPECT_EQ(static_cast<long>(st.yn_), c.expectYn) << c.what;
    EXPECT_EQ(static_cast<long>(st.gn_), c.expectGn) << c.what;
    EXPECT_EQ(st.link_, Node::lost_link) << c.what;
    EXPECT_EQ(static_cast<long>(st.linkDeadline_), 5000) << c.what;
    EXPECT_TRUE(st.linkAlarm_) << c.what << ": a standing lost-link alarm is not forgotten";
    EXPECT_EQ(static_cast<int>(st.alarm_), 3) << c.what;
    EXPECT_EQ(static_cast<std::wstring>(node.Opt().nm_), L"Cold room") << c.what;
    EXPECT_EQ(static_cast<long>(node.Opt().ps_), 1) << c.what << ": the node raises short periods";
    EXPECT_EQ(node.OptSt().at(0).stTextOpt_, L"Air") << c.what;
  }
}
