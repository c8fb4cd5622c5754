#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/GroupTables.h"
#include "foundation/catalogue/InstrTable.h"
#include "network/nodes/Node.h"
#include "tests/support/DocDouble.h"
#include "tests/support/TestCatalogue.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

struct NodeTest : ::testing::Test {
  // Before any member of a derived fixture builds a node.
  NodeTest() { LoadNetworkTestCatalogue(); }
};

// The wire bytes of one value, so values can be compared.
VUC BytesOf(const InstrParPure* par, const boost::any& value) { return ToVUC({par}, {value}); }

std::wstring GroupText(const std::wstring& key) {
  return DictTextAt(GroupRecByKey(key).groupDlg);
}
std::wstring SubText(const std::wstring& key) {
  return DictTextAt(GroupSubRecByKey(key).groupSubDlg);
}

TEST_F(NodeTest, NewNode_HasTheDefaultOptionsAndState) {
  const Node n(SparseFrameType);
  const NodeOpt& o = n.Opt();
  EXPECT_EQ(o.nm_.get(), L"New instrument");
  EXPECT_TRUE(o.act_);
  EXPECT_EQ(o.cpyAdvFrm_, 0);
  EXPECT_EQ(o.lostLinkDelay_, 3600);
  EXPECT_TRUE(o.actOnLinkAlarm_);
  EXPECT_TRUE(o.xr_ && o.xt_ && o.yr_ && o.yt_ && o.gr_ && o.gt_ && o.hr_ && o.ht_);
  EXPECT_EQ(o.xs_, 30);
  EXPECT_EQ(o.ys_, 3600);
  EXPECT_EQ(o.gs_, 300);
  EXPECT_EQ(o.hs_, 3600);
  EXPECT_FALSE(o.pr_);
  EXPECT_EQ(o.ps_, 604800);
  EXPECT_FALSE(o.vr_);
  EXPECT_EQ(o.vs_, 300);

  const NodeSt st = n.State();
  EXPECT_EQ(st.link_, Node::to_check);
  EXPECT_EQ(st.alarm_, 0);
  EXPECT_FALSE(st.linkAlarm_);
  for (long t : {st.linkDeadline_.get(), st.xn_.get(), st.yn_.get(), st.gn_.get(), st.hn_.get(),
                 st.pn_.get(), st.vn_.get()})
    EXPECT_EQ(t, 0);
  EXPECT_FALSE(n.HasReadings());
  EXPECT_FALSE(n.HasSettings());
  EXPECT_EQ(n.Type().Code(), SparseFrameType);
}

TEST_F(NodeTest, NodeWithoutCode_IsOfTheFirstCatalogueType) {
  EXPECT_EQ(Node().Type().Code(), InstrCodes().front());
}

TEST_F(NodeTest, UnknownCode_BuildsNoNode) { EXPECT_THROW(Node(L"NO_SUCH_TYPE"), InstrBadRef); }

TEST_F(NodeTest, Labels_AreTheParameterTextsAndEveryRowIsShown) {
  const Node n(PaddedType);
  const InstrPars pars = n.Type().Pars();
  ASSERT_EQ(n.OptSt().size(), pars.size());
  ASSERT_EQ(n.OptPlt().size(), pars.size());
  ASSERT_EQ(n.OptFrm().size(), pars.size());
  for (std::size_t i = 0; i < pars.size(); ++i) {
    EXPECT_EQ(n.OptSt()[i].stTextOpt_, pars[i]->ParSt());
    EXPECT_EQ(n.OptSt()[i].stDefOpt_, pars[i]->ParIsDSt());
    EXPECT_EQ(n.OptPlt()[i].pltTextOpt_, pars[i]->ParSt());
    EXPECT_EQ(n.OptPlt()[i].pltDefOpt_, pars[i]->ParIsDSt());
    EXPECT_EQ(n.OptFrm()[i].frmTextOpt_, pars[i]->ParDlg());
    EXPECT_TRUE(n.OptFrm()[i].frmDefOpt_);
    EXPECT_FALSE(n.OptFrm()[i].frmFreeOpt_);
    EXPECT_FALSE(n.OptFrm()[i].frmNewCol_);
  }
}

TEST_F(NodeTest, Labels_KeepTheLanguageOfTheirBuilding) {
  ASSERT_GE(DictLanguages().size(), 2u);
  SetCurrentLanguage(0);
  const Node before(OneRunType);
  SetCurrentLanguage(1);
  const Node after(OneRunType);
  const std::wstring later = after.OptSt()[0].stTextOpt_;
  SetCurrentLanguage(0);
  EXPECT_EQ(before.OptSt()[0].stTextOpt_, before.Type().Pars()[0]->ParSt());
  EXPECT_NE(before.OptSt()[0].stTextOpt_, later);
}

// One case of the heading runs: expected (shown, new column) of each group
// entry, (shown, group index, new column) of each sub-group entry, and the
// sub-group index of each row.
struct Heading {
  bool shown;
  int grpIdx;  // sub-group entries only
  bool newCol;
};
struct RunCase {
  const std::wstring* code;
  std::vector<std::wstring> groups;
  std::vector<Heading> grpHeadings;
  std::vector<std::wstring> subs;
  std::vector<Heading> subHeadings;
  std::vector<int> rowSub;
};

class HeadingRuns : public NodeTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(HeadingRuns, FollowTheNeighbouringSubGroupsAndGroups) {
  const RunCase& c = GetParam();
  const Node n(*c.code);
  ASSERT_EQ(n.OptFrmGrp().size(), c.grpHeadings.size());
  for (std::size_t i = 0; i < c.grpHeadings.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "group entry " << i);
    EXPECT_EQ(n.OptFrmGrp()[i].frmTextOptGrp_, GroupText(c.groups[i]));
    EXPECT_EQ(n.OptFrmGrp()[i].frmDefOptGrp_, c.grpHeadings[i].shown);
    EXPECT_EQ(n.OptFrmGrp()[i].frmGrpNewCol_, c.grpHeadings[i].newCol);
  }
  ASSERT_EQ(n.OptFrmSub().size(), c.subHeadings.size());
  for (std::size_t i = 0; i < c.subHeadings.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "sub-group entry " << i);
    EXPECT_EQ(n.OptFrmSub()[i].frmTextOptSub_, SubText(c.subs[i]));
    EXPECT_EQ(n.OptFrmSub()[i].frmDefOptSub_, c.subHeadings[i].shown);
    EXPECT_EQ(n.OptFrmSub()[i].frmGrpIdx_, c.subHeadings[i].grpIdx);
    EXPECT_EQ(n.OptFrmSub()[i].frmSubNewCol_, c.subHeadings[i].newCol);
  }
  ASSERT_EQ(n.OptFrm().size(), c.rowSub.size());
  for (std::size_t i = 0; i < c.rowSub.size(); ++i)
    EXPECT_EQ(n.OptFrm()[i].frmSubIdx_, c.rowSub[i]) << "row " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeadingRuns,
    ::testing::Values(
        // One sub-group of one group: one heading each, no new column.
        RunCase{&OneRunType, {L"G_READ"}, {{false, 0, false}}, {L"SG_R_TEMP"}, {{true, 0, false}},
                {0, 0, 0}},
        // Readable A, B in S1/G1, then settable C in S2/G2: G1 hidden, S1
        // shown, G2 shown in a new column, S2 hidden without one.
        RunCase{&TurnSettableType,
                {L"G_READ", L"G_SET"},
                {{false, 0, false}, {true, 0, true}},
                {L"SG_R_TEMP", L"SG_S_TEMP"},
                {{true, 0, false}, {false, 1, false}},
                {0, 0, 1}},
        // Settable from the start: group headings shown, the first columns
        // unbroken until the parameters turn readable-only.
        RunCase{&SettableFirstType,
                {L"G_SET", L"G_CONF", L"G_READ"},
                {{true, 0, false}, {true, 0, false}, {false, 0, false}},
                {L"SG_S_TEMP", L"SG_C_NET", L"SG_R_TEMP"},
                {{false, 0, false}, {true, 1, false}, {true, 2, true}},
                {0, 1, 2}},
        // S1, S2, S1: a sub-group that comes back gets an entry of its own.
        RunCase{&ReturningSubType,
                {L"G_READ"},
                {{false, 0, false}},
                {L"SG_R_TEMP", L"SG_R_CLIM", L"SG_R_TEMP"},
                {{true, 0, false}, {true, 0, false}, {true, 0, false}},
                {0, 1, 2}},
        // Alternating readable and settable parameters over two groups.
        RunCase{&SparseFrameType,
                {L"G_READ", L"G_SET", L"G_READ", L"G_SET", L"G_READ"},
                {{false, 0, false}, {true, 0, true}, {false, 0, false}, {true, 0, true},
                 {true, 0, true}},
                {L"SG_R_TEMP", L"SG_S_HUM", L"SG_R_OUT", L"SG_S_ALM", L"SG_S_DEF", L"SG_R_CLIM"},
                {{true, 0, false},
                 {false, 1, false},
                 {true, 2, true},
                 {false, 3, false},
                 {false, 3, true},
                 {true, 4, false}},
                {0, 1, 2, 3, 4, 5}}));

struct FrameTest : NodeTest {
  Node node{SparseFrameType};
  InstrPars pars = node.Type().Pars();

  // Values decoded from a frame of the given bytes.
  InstrParValues Frame(const InstrPars& framePars, const VUC& bytes) {
    return FromVUC(framePars, bytes);
  }
  VUC ValueBytes(std::size_t i) { return BytesOf(pars[i], node.Values().at(i)); }
  VUC DefaultBytes(std::size_t i) { return BytesOf(pars[i], DefaultValues({pars[i]})[0]); }
};

TEST_F(FrameTest, ReadingsFrame_FillsTheReadableParametersOnly) {
  // Readable: 0 (Tper), 2 (Bit), 5 (Hmty).
  const InstrParValues v = Frame(ReadablePars(pars), {0x02, 0xEE, 0x02, 0x2B, 0x01});
  node.LatestReadings(v);
  EXPECT_EQ(ValueBytes(0), (VUC{0x02, 0xEE}));
  EXPECT_EQ(ValueBytes(2), VUC{0x01});
  EXPECT_EQ(ValueBytes(5), (VUC{0x02, 0x2B}));
  for (std::size_t i : {1u, 3u, 4u}) EXPECT_EQ(ValueBytes(i), DefaultBytes(i)) << i;
  EXPECT_TRUE(node.HasReadings());
  EXPECT_FALSE(node.HasSettings());
}

TEST_F(FrameTest, SettingsFrame_FillsTheSettableParameters_TheSharedOneTakesTheLatest) {
  node.LatestReadings(Frame(ReadablePars(pars), {0x02, 0xEE, 0x02, 0x2B, 0x01}));
  // Settable: 1 (Hmty), 3 (UChr), 5 (Hmty, also readable).
  node.LatestSettings(Frame(SettablePars(pars), {0x01, 0xF4, 0x07, 0x00, 0x64}));
  EXPECT_EQ(ValueBytes(1), (VUC{0x01, 0xF4}));
  EXPECT_EQ(ValueBytes(3), VUC{0x07});
  EXPECT_EQ(ValueBytes(5), (VUC{0x00, 0x64}));
  EXPECT_EQ(ValueBytes(0), (VUC{0x02, 0xEE}));
  EXPECT_EQ(ValueBytes(4), DefaultBytes(4));
  EXPECT_TRUE(node.HasReadings());
  EXPECT_TRUE(node.HasSettings());
}

TEST_F(FrameTest, FrameOfWrongSize_ChangesNothingAndThrowsWithItsOperation) {
  struct Case {
    bool readings;
    int extra;
    const char* message;
  };
  const Case cases[] = {
      {true, 1, "Wrong assignment in QZ::Node::LatestReadings: size of new value is incorrect"},
      {true, -1, "Wrong assignment in QZ::Node::LatestReadings: size of new value is incorrect"},
      {false, 1, "Wrong assignment in QZ::Node::LatestSettings: size of new value is incorrect"},
      {false, -1, "Wrong assignment in QZ::Node::LatestSettings: size of new value is incorrect"},
  };
  for (const Case& c : cases) {
    const InstrPars framePars = c.readings ? ReadablePars(pars) : SettablePars(pars);
    InstrParValues v = DefaultValues(framePars);
    if (c.extra > 0)
      v.push_back(v.front());
    else
      v.pop_back();
    try {
      c.readings ? node.LatestReadings(v) : node.LatestSettings(v);
      ADD_FAILURE() << "no exception for " << c.message;
    } catch (const std::exception& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
    EXPECT_FALSE(node.HasReadings());
    EXPECT_FALSE(node.HasSettings());
    for (std::size_t i = 0; i < pars.size(); ++i) EXPECT_EQ(ValueBytes(i), DefaultBytes(i));
  }
}

TEST_F(NodeTest, Copy_IsIndependentOfItsSource_SelfAssignmentChangesNothing) {
  Node a(OneRunType);
  a.Opt().nm_ = L"Room A";
  Node b(a);
  b.OptSt()[0].stTextOpt_ = L"changed";
  b.Opt().nm_ = L"Room B";
  EXPECT_NE(a.OptSt()[0].stTextOpt_, L"changed");
  EXPECT_EQ(a.Opt().nm_.get(), L"Room A");
  EXPECT_EQ(&b.Type(), &a.Type());

  Node c(PaddedType);
  c = a;
  EXPECT_EQ(c.Type().Code(), OneRunType);
  EXPECT_EQ(c.Opt().nm_.get(), L"Room A");
  Node& self = c;
  c = self;
  EXPECT_EQ(c.Opt().nm_.get(), L"Room A");
  EXPECT_EQ(c.OptSt().size(), a.OptSt().size());
}

TEST_F(NodeTest, ShortPeriods_AreRaisedToOneSecond_DelaysKeepZero) {
  Node n(OneRunType);
  NodeOpt o;
  o.xs_ = 0;
  o.ys_ = -5;
  o.gs_ = 1;
  o.hs_ = 0;
  o.ps_ = -604800;
  o.vs_ = 45;
  o.lostLinkDelay_ = 0;
  n.SetOpt(o);
  EXPECT_EQ(n.Opt().xs_, 1);
  EXPECT_EQ(n.Opt().ys_, 1);
  EXPECT_EQ(n.Opt().gs_, 1);
  EXPECT_EQ(n.Opt().hs_, 1);
  EXPECT_EQ(n.Opt().ps_, 1);
  EXPECT_EQ(n.Opt().vs_, 45);
  EXPECT_EQ(n.Opt().lostLinkDelay_, 0);
}

TEST_F(NodeTest, StateUpdatesFromTwoThreads_LoseNothing) {
  Node n(OneRunType);
  const int turns = 20000;
  // The executor advances a due time while the GUI thread writes the alarm
  // memory back: neither may undo the other.
  std::thread executor([&] {
    for (int i = 0; i < turns; ++i) n.UpdateState([](NodeSt& s) { s.xn_ = s.xn_ + 1; });
  });
  for (int i = 0; i < turns; ++i) n.UpdateState([](NodeSt& s) { s.alarm_ = s.alarm_ + 1; });
  executor.join();
  EXPECT_EQ(n.State().xn_, turns);
  EXPECT_EQ(n.State().alarm_, turns);
}

TEST_F(NodeTest, OpenProgramForm_OpensTheSettingsFormOfTheAddress) {
  DocDouble doc;
  Node(OneRunType).OpenProgramForm(doc, 17);
  EXPECT_EQ(doc.settingsForms_, std::vector<int>{17});
}

}  // namespace
