#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/catalogue/InstrTable.h"
#include "network/nodes/LegacyFormat.h"
#include "network/nodes/NodeLegacy.h"
#include "tests/support/LegacyBytes.h"
#include "tests/support/TestCatalogue.h"

using namespace PardeloStravon;
using namespace TestSupport;
using Platform::LegacyArchive;

namespace {

// The sixteen fields of the option block.
struct Block {
  std::wstring nm;
  bool act, xr;
  int xs, xn;
  bool gr;
  int gs, gn;
  bool vr;
  int vs, vn;
  bool pr;
  int ps, pn, lld;
  bool ola;
};

const Block Stored = {L"Cold 1", false, true, 45, 1000, false, 600, 2000, true, 120, 3000, true,
                      86400, 4000, 1800, false};

LegacyBytes BlockBytes(const Block& k) {
  LegacyBytes b;
  b.Str(k.nm).Bool(k.act).Bool(k.xr).Int(k.xs).Int(k.xn).Bool(k.gr).Int(k.gs).Int(k.gn);
  b.Bool(k.vr).Int(k.vs).Int(k.vn).Bool(k.pr).Int(k.ps).Int(k.pn).Int(k.lld).Bool(k.ola);
  return b;
}

// The padded type: R1, R2, the pad P, R3 readable; S settable.
struct Label {
  std::wstring text;
  bool shown;
};
const std::vector<Label> StoredLabels = {{L"T1", true}, {L"H1", false}, {L"PAD", true},
                                         {L"T3", true}, {L"S", false}};

LegacyBytes StatusList(bool withPad, const Label& pad = StoredLabels[2]) {
  LegacyBytes b;
  b.Int(withPad ? 4 : 3);
  for (std::size_t i = 0; i < 4; ++i) {
    if (i == 2 && !withPad) continue;
    const Label& label = i == 2 ? pad : StoredLabels[i];
    b.Str(label.text).Bool(label.shown);
  }
  return b;
}

struct NodeLegacyTest : ::testing::Test {
  std::vector<std::wstring> messages;
  LegacyMessageBox box = [this](const std::wstring& t) { messages.push_back(t); };

  void SetUp() override { LoadNetworkTestCatalogue(); }

  // A node holding the stored values, as the writer sees it.
  Node Sample() {
    Node n(PaddedType);
    NodeOpt& o = n.Opt();
    o.nm_ = Stored.nm;
    o.act_ = Stored.act;
    o.xr_ = Stored.xr;
    o.xs_ = Stored.xs;
    o.gr_ = Stored.gr;
    o.gs_ = Stored.gs;
    o.vr_ = Stored.vr;
    o.vs_ = Stored.vs;
    o.pr_ = Stored.pr;
    o.ps_ = Stored.ps;
    o.lostLinkDelay_ = Stored.lld;
    o.actOnLinkAlarm_ = Stored.ola;
    n.UpdateState([](NodeSt& s) {
      s.xn_ = Stored.xn;
      s.gn_ = Stored.gn;
      s.vn_ = Stored.vn;
      s.pn_ = Stored.pn;
    });
    for (std::size_t i = 0; i < StoredLabels.size(); ++i)
      n.OptSt()[i] = {StoredLabels[i].text, StoredLabels[i].shown};
    return n;
  }

  // A node whose every field differs from what the file holds, including
  // the fields no legacy piece carries.
  Node Target() {
    Node n(PaddedType);
    NodeOpt& o = n.Opt();
    o.nm_ = L"before";
    o.cpyAdvFrm_ = 5;
    o.xt_ = false;
    o.gt_ = false;
    o.yr_ = false;
    o.ys_ = 77;
    o.yt_ = false;
    o.hr_ = false;
    o.hs_ = 88;
    o.ht_ = false;
    n.UpdateState([](NodeSt& s) {
      s.yn_ = 111;
      s.hn_ = 222;
      s.alarm_ = 3;
    });
    for (auto& e : n.OptSt()) e = {L"old", false};
    for (auto& e : n.OptPlt()) e = {L"old plot", false};
    return n;
  }

  std::vector<std::uint8_t> Store(Node& n, int version) {
    LegacyArchive ar;
    SerializeNodeLegacy(n, ar, version, true, box);
    return ar.Bytes();
  }
};

void ExpectUntouched(const Node& n) {
  EXPECT_EQ(n.Opt().cpyAdvFrm_, 5);
  EXPECT_FALSE(n.Opt().xt_ || n.Opt().gt_ || n.Opt().yr_ || n.Opt().yt_ || n.Opt().hr_ ||
               n.Opt().ht_);
  EXPECT_EQ(n.Opt().ys_, 77);
  EXPECT_EQ(n.Opt().hs_, 88);
  EXPECT_EQ(n.State().yn_, 111);
  EXPECT_EQ(n.State().hn_, 222);
  EXPECT_EQ(n.State().alarm_, 3);
}

void ExpectBlock(const Node& n, const Block& k) {
  const NodeOpt& o = n.Opt();
  const NodeSt s = n.State();
  EXPECT_EQ(o.nm_.get(), k.nm);
  EXPECT_EQ(o.act_, k.act);
  EXPECT_EQ(o.xr_, k.xr);
  EXPECT_EQ(o.xs_, k.xs);
  EXPECT_EQ(s.xn_, k.xn);
  EXPECT_EQ(o.gr_, k.gr);
  EXPECT_EQ(o.gs_, k.gs);
  EXPECT_EQ(s.gn_, k.gn);
  EXPECT_EQ(o.vr_, k.vr);
  EXPECT_EQ(o.vs_, k.vs);
  EXPECT_EQ(s.vn_, k.vn);
  EXPECT_EQ(o.pr_, k.pr);
  EXPECT_EQ(o.ps_, k.ps);
  EXPECT_EQ(s.pn_, k.pn);
  EXPECT_EQ(o.lostLinkDelay_, k.lld);
  EXPECT_EQ(o.actOnLinkAlarm_, k.ola);
}

// The pad's own label is not written: version 25 cannot carry it back.
TEST_F(NodeLegacyTest, Version22Piece_IsEveryReadableLabelThenTheOptionBlock) {
  Node n = Sample();
  const InstrParPure& pad = *n.Type().Pars()[2];
  ASSERT_TRUE(pad.ParIsPad());
  LegacyBytes expected;
  expected.Append(StatusList(true, {pad.ParSt(), pad.ParIsDSt()})).Append(BlockBytes(Stored));
  EXPECT_EQ(Store(n, 22), expected.b);
  EXPECT_TRUE(messages.empty());
}

TEST_F(NodeLegacyTest, Version25Piece_LeavesOutThePadParameter) {
  Node n = Sample();
  LegacyBytes expected;
  expected.Append(StatusList(false)).Append(BlockBytes(Stored));
  EXPECT_EQ(Store(n, 25), expected.b);
  EXPECT_TRUE(messages.empty());
}

TEST_F(NodeLegacyTest, OtherVersions_WriteNothing_OnlyUnknownOnesShowTheMessage) {
  Node n = Sample();
  for (int v : {23, 24}) EXPECT_TRUE(Store(n, v).empty()) << v;
  EXPECT_TRUE(messages.empty());
  for (int v : {14, 15, 18, 21, 26}) {
    messages.clear();
    EXPECT_TRUE(Store(n, v).empty()) << v;
    EXPECT_EQ(messages, std::vector<std::wstring>{InvalidQziFormatText}) << v;
  }
}

// What a piece of each version holds and how it is read.
struct VersionCase {
  int version;
  bool hasStatus;
  bool withPad;
};

class LegacyLoad : public NodeLegacyTest, public ::testing::WithParamInterface<VersionCase> {
 protected:
  std::vector<std::uint8_t> PieceBytes() const {
    const VersionCase& c = GetParam();
    LegacyBytes b;
    if (c.version == 23 || c.version == 24) return b.b;
    if (c.hasStatus) b.Append(StatusList(c.withPad));
    return b.Append(BlockBytes(Stored)).b;
  }
};

TEST_P(LegacyLoad, WithApply_TakesWhatTheVersionCarriesAndNothingElse) {
  const VersionCase& c = GetParam();
  Node n = Target();
  LegacyArchive ar(PieceBytes());
  SerializeNodeLegacy(n, ar, c.version, true, box);
  EXPECT_EQ(ar.Remaining(), 0u);
  EXPECT_TRUE(messages.empty());
  ExpectUntouched(n);
  if (c.version == 23 || c.version == 24) {
    EXPECT_EQ(n.Opt().nm_.get(), L"before");
    EXPECT_EQ(n.OptSt()[0].stTextOpt_, L"old");
    return;
  }
  ExpectBlock(n, Stored);
  for (std::size_t i = 0; i < 4; ++i) {
    const bool read = c.hasStatus && (c.withPad || i != 2);
    EXPECT_EQ(n.OptSt()[i].stTextOpt_, read ? StoredLabels[i].text : L"old") << i;
    EXPECT_EQ(n.OptSt()[i].stDefOpt_, read ? StoredLabels[i].shown : false) << i;
  }
  EXPECT_EQ(n.OptSt()[4].stTextOpt_, L"old");  // not readable: never listed
  // The plot takes the status labels and choices, read or not.
  for (std::size_t i = 0; i < n.OptPlt().size(); ++i) {
    EXPECT_EQ(n.OptPlt()[i].pltTextOpt_, n.OptSt()[i].stTextOpt_);
    EXPECT_EQ(n.OptPlt()[i].pltDefOpt_, n.OptSt()[i].stDefOpt_);
  }
}

TEST_P(LegacyLoad, WithoutApply_ReadsThePieceAndChangesNothing) {
  const VersionCase& c = GetParam();
  Node n = Target();
  const Node before(n);
  LegacyArchive ar(PieceBytes());
  SerializeNodeLegacy(n, ar, c.version, false, box);
  EXPECT_EQ(ar.Remaining(), 0u);
  EXPECT_EQ(n.Opt().nm_.get(), before.Opt().nm_.get());
  EXPECT_EQ(n.Opt().xs_, before.Opt().xs_);
  EXPECT_EQ(n.State().xn_, before.State().xn_);
  ExpectUntouched(n);
  for (std::size_t i = 0; i < n.OptSt().size(); ++i) {
    EXPECT_EQ(n.OptSt()[i].stTextOpt_, L"old");
    EXPECT_EQ(n.OptPlt()[i].pltTextOpt_, L"old plot");
  }
}

INSTANTIATE_TEST_SUITE_P(EveryVersion, LegacyLoad,
                         ::testing::Values(VersionCase{15, false, false},
                                           VersionCase{16, false, false},
                                           VersionCase{17, false, false},
                                           VersionCase{18, true, false},
                                           VersionCase{19, true, true},
                                           VersionCase{20, true, true},
                                           VersionCase{21, true, true},
                                           VersionCase{22, true, true},
                                           VersionCase{23, false, false},
                                           VersionCase{24, false, false},
                                           VersionCase{25, true, false},
                                           VersionCase{26, true, false}),
                         [](const auto& info) { return "v" + std::to_string(info.param.version); });

TEST_F(NodeLegacyTest, VersionBelow15_ShowsTheMessageAndReadsNothing) {
  Node n = Target();
  LegacyArchive ar(BlockBytes(Stored).b);
  SerializeNodeLegacy(n, ar, 14, true, box);
  EXPECT_EQ(messages, std::vector<std::wstring>{InvalidQziFormatText});
  EXPECT_EQ(ar.Position(), 0u);
  EXPECT_EQ(n.Opt().nm_.get(), L"before");
}

TEST_F(NodeLegacyTest, StatusListThatDoesNotFitTheType_FailsTheLoadAndChangesNothing) {
  // Version 18 leaves the pad out (3 entries); 20 lists it (4 entries).
  struct Case {
    int version;
    bool withPad;
  };
  for (const Case c : {Case{18, true}, Case{20, false}}) {
    messages.clear();
    Node n = Target();
    LegacyBytes b;
    b.Append(StatusList(c.withPad)).Append(BlockBytes(Stored));
    LegacyArchive ar(b.b);
    EXPECT_THROW(SerializeNodeLegacy(n, ar, c.version, true, box), LegacyFormatError)
        << c.version;
    EXPECT_EQ(messages, std::vector<std::wstring>{InvalidQziFormatText});
    EXPECT_EQ(n.Opt().nm_.get(), L"before");
    EXPECT_EQ(n.OptSt()[0].stTextOpt_, L"old");
  }
}

TEST_F(NodeLegacyTest, ShortPeriodsInAPiece_AreRaisedToOneSecond) {
  Block k = Stored;
  k.xs = 0;
  k.gs = -3;
  k.lld = 0;
  Node n = Target();
  LegacyArchive ar(BlockBytes(k).b);
  SerializeNodeLegacy(n, ar, 17, true, box);
  EXPECT_EQ(n.Opt().xs_, 1);
  EXPECT_EQ(n.Opt().gs_, 1);
  EXPECT_EQ(n.Opt().lostLinkDelay_, 0);
}

TEST_F(NodeLegacyTest, WrittenPieces_ReadBackIntoANodeOfTheSameType) {
  for (int v : {22, 25}) {
    Node source = Sample();
    Node n = Target();
    LegacyArchive ar(Store(source, v));
    SerializeNodeLegacy(n, ar, v, true, box);
    EXPECT_EQ(ar.Remaining(), 0u);
    ExpectBlock(n, Stored);
  }
  EXPECT_TRUE(messages.empty());
}

}  // namespace
