#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "foundation/catalogue/InstrTable.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/LegacyFormat.h"
#include "tests/support/DocDouble.h"
#include "tests/support/LegacyBytes.h"
#include "tests/support/TestCatalogue.h"

using namespace PardeloStravon;
using namespace TestSupport;
using Platform::LegacyArchive;

namespace {

// Options that differ from the defaults in every saved field.
NetOptRecord SampleOptions() {
  NetOptRecord o;
  o.rxEn_ = true;
  for (int s = 0; s < BroadcastSlots; ++s) o.periodicBroadcastAddr_[s] = 11 + s;
  o.periodicBroadcastEn_[0] = true;
  o.periodicBroadcastInt_[0] = 30;
  o.periodicBroadcastEn_[1] = true;
  o.periodicBroadcastInt_[1] = 90;
  o.periodicBroadcastInt_[2] = 120;
  o.onNetAlarm_ = false;
  o.intNetAlarm_ = 600;
  return o;
}

// A node's piece as the node's own fields give it: the readable labels
// (pads too, or not), then the option block.
LegacyBytes NodePiece(const Node& n, bool withPads) {
  LegacyBytes b;
  const InstrPars pars = n.Type().Pars();
  std::vector<std::size_t> listed;
  for (std::size_t i = 0; i < pars.size(); ++i)
    if (pars[i]->ParIsRead() && (withPads || !pars[i]->ParIsPad())) listed.push_back(i);
  b.Int(static_cast<std::int32_t>(listed.size()));
  for (std::size_t i : listed) b.Str(n.OptSt()[i].stTextOpt_).Bool(n.OptSt()[i].stDefOpt_);
  const NodeOpt& o = n.Opt();
  const NodeSt s = n.State();
  b.Str(o.nm_).Bool(o.act_).Bool(o.xr_).Int(o.xs_).Int(s.xn_).Bool(o.gr_).Int(o.gs_).Int(s.gn_);
  b.Bool(o.vr_).Int(o.vs_).Int(s.vn_).Bool(o.pr_).Int(o.ps_).Int(s.pn_).Int(o.lostLinkDelay_);
  b.Bool(o.actOnLinkAlarm_);
  return b;
}

struct NetLegacyTest : ::testing::Test {
  DocDouble doc;
  InstrNetOpt& opt = doc.NetOpt();

  void SetUp() override {
    LoadNetworkTestCatalogue();
    opt.SetOptions(SampleOptions());
    Node a(OneRunType);
    a.Opt().nm_ = L"Room 3";
    a.UpdateState([](NodeSt& s) { s.xn_ = 500; });
    opt.Network().InsertNew(3, a);
    Node b(PaddedType);
    b.Opt().nm_ = L"Room 9";
    b.Opt().xs_ = 20;
    opt.Network().InsertNew(9, b);
  }

  std::vector<std::uint8_t> Store(int version) {
    LegacyArchive ar;
    opt.SerializeLegacy(ar, version, true);
    return ar.Bytes();
  }
  const Node& At(int address) { return opt.Network().GetPresent(address); }
};

TEST_F(NetLegacyTest, Version22Layer_IsTheOptionsThenEachAddressCodeAndPiece) {
  LegacyBytes e;
  e.Int(11).Int(12).Int(13);
  e.Bool(true).Int(90).Bool(false).Int(120);
  e.Bool(true).Bool(true).Int(30).Bool(false).Int(600);
  e.Int(2);
  e.Int(3).Str(OneRunType).Append(NodePiece(At(3), true));
  e.Int(9).Str(PaddedType).Append(NodePiece(At(9), true));
  EXPECT_EQ(Store(22), e.b);
}

TEST_F(NetLegacyTest, Version25Layer_IsTheSlotsThenAllPairsThenAllPieces) {
  LegacyBytes e;
  e.Int(11).Bool(true).Int(30).Int(12).Bool(true).Int(90).Int(13).Bool(false).Int(120);
  e.Bool(true).Bool(false).Int(600);
  e.Int(2).Int(3).Str(OneRunType).Int(9).Str(PaddedType);
  e.Append(NodePiece(At(3), false)).Append(NodePiece(At(9), false));
  EXPECT_EQ(Store(25), e.b);
}

TEST_F(NetLegacyTest, Versions23And24_AreEmpty_OthersAreNotWritten) {
  EXPECT_TRUE(Store(23).empty());
  EXPECT_TRUE(Store(24).empty());
  EXPECT_TRUE(doc.messages_.empty());
  EXPECT_TRUE(Store(21).empty());
  EXPECT_TRUE(Store(26).empty());
  EXPECT_EQ(doc.messages_.size(), 2u);
}

TEST_F(NetLegacyTest, Saving_AppliesTheCopiedOptionsFirst) {
  opt.Network().GetPresent(3).Opt().cpyAdvFrm_ = 9;  // another type: forgotten
  Store(22);
  EXPECT_EQ(At(3).Opt().cpyAdvFrm_, 0);
}

// Options only: which fields an old version's layer holds. The network layer
// of these versions shows its message and reads no node.
struct OptionsCase {
  int version;
  bool slots12;
  bool addresses;
};

class OldOptionsLayer : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(OldOptionsLayer, SetsOnlyTheFieldsOfItsVersion) {
  const OptionsCase& c = GetParam();
  LegacyBytes b;
  if (c.addresses) b.Int(21).Int(22).Int(23);
  if (c.slots12) b.Bool(true).Int(91).Bool(true).Int(92);
  b.Bool(true).Bool(true).Int(45).Bool(false).Int(900);
  DocDouble doc;
  LegacyArchive ar(b.b);
  doc.NetOpt().SerializeLegacy(ar, c.version, true);
  EXPECT_EQ(ar.Remaining(), 0u);
  const NetOptRecord o = doc.NetOpt().Options();
  EXPECT_TRUE(o.rxEn_);
  EXPECT_TRUE(o.periodicBroadcastEn_[0]);
  EXPECT_EQ(o.periodicBroadcastInt_[0], 45);
  EXPECT_FALSE(o.onNetAlarm_);
  EXPECT_EQ(o.intNetAlarm_, 900);
  EXPECT_EQ(o.periodicBroadcastEn_[1], c.slots12);
  EXPECT_EQ(o.periodicBroadcastInt_[2], c.slots12 ? 92 : 60);
  EXPECT_EQ(o.periodicBroadcastAddr_[0], c.addresses ? 21 : 1);
  EXPECT_EQ(o.periodicBroadcastAddr_[2], c.addresses ? 23 : 1);
  EXPECT_EQ(doc.messages_, std::vector<std::wstring>{InvalidQziFormatText});
  EXPECT_EQ(doc.NetOpt().Network().Size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Versions, OldOptionsLayer,
                         ::testing::Values(OptionsCase{15, false, false},
                                           OptionsCase{16, true, false},
                                           OptionsCase{17, true, true},
                                           OptionsCase{21, true, true}),
                         [](const auto& info) { return "v" + std::to_string(info.param.version); });

TEST_F(NetLegacyTest, LayersWithoutApply_ReadEverythingAndChangeNothing) {
  for (int v : {22, 25}) {
    DocDouble other;
    LegacyArchive ar(Store(v));
    other.NetOpt().SerializeLegacy(ar, v, false);
    EXPECT_EQ(ar.Remaining(), 0u) << v;
    EXPECT_FALSE(other.NetOpt().RxEnabled());
    EXPECT_EQ(other.NetOpt().Options().intNetAlarm_, 300);
    EXPECT_EQ(other.NetOpt().Network().Size(), 0u);
  }
}

TEST_F(NetLegacyTest, BadAddressesOrCodesInAFile_EndTheLoad) {
  struct Case {
    int address;
    std::wstring code;
  };
  for (const Case& c : {Case{0, OneRunType}, Case{3, L"NO_SUCH_TYPE"}}) {
    LegacyBytes b;
    b.Int(1).Int(c.address).Str(c.code);
    DocDouble other;
    LegacyArchive ar(b.b);
    bool failed = false;
    try {
      other.NetOpt().Network().SerializeLegacy(ar, 25, true, [](const std::wstring&) {});
    } catch (const std::invalid_argument&) {
      failed = true;
    } catch (const InstrBadRef&) {
      failed = true;
    }
    EXPECT_TRUE(failed);
    EXPECT_EQ(other.NetOpt().Network().Size(), 0u);
  }
}

// The whole legacy document through the block driver.
struct DocLegacyTest : NetLegacyTest {
  std::vector<std::uint8_t> SaveDoc() {
    LegacyArchive ar;
    EXPECT_EQ(doc.SerializeDocLegacy(ar), 25);
    return ar.Bytes();
  }
  static int LoadDoc(DocDouble& into, std::vector<std::uint8_t> bytes) {
    LegacyArchive ar(std::move(bytes));
    const int version = into.SerializeDocLegacy(ar);
    EXPECT_EQ(ar.Remaining(), 0u);
    return version;
  }
};

TEST_F(DocLegacyTest, SavedDocument_StartsWithVersion25AndReadsBackWhole) {
  const std::vector<std::uint8_t> bytes = SaveDoc();
  ASSERT_GE(bytes.size(), 4u);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 4),
            (std::vector<std::uint8_t>{0x19, 0, 0, 0}));
  DocDouble other;
  EXPECT_EQ(LoadDoc(other, bytes), 25);
  EXPECT_EQ(other.languagesApplied_, 4);
  EXPECT_TRUE(other.messages_.empty());
  const NetOptRecord o = other.NetOpt().Options();
  EXPECT_TRUE(o.rxEn_);
  EXPECT_EQ(o.periodicBroadcastAddr_[1], 12);
  EXPECT_EQ(o.periodicBroadcastInt_[2], 120);
  EXPECT_EQ(o.intNetAlarm_, 600);
  const InstrNet& net = other.NetOpt().Network();
  ASSERT_EQ(net.Size(), 2u);
  EXPECT_EQ(net.GetPresent(3).Type().Code(), OneRunType);
  EXPECT_EQ(net.GetPresent(3).Opt().nm_.get(), L"Room 3");
  EXPECT_EQ(net.GetPresent(3).State().xn_, 500);
  EXPECT_EQ(net.GetPresent(9).Opt().xs_, 20);
}

// A file of version 22 may give the pads labels and choices of their own;
// version 25 does not hold the pads, so what a save writes for them must not
// depend on what the last load read.
TEST_F(DocLegacyTest, PadsWithOwnLabelsInAnOlderFile_SaveTheSameBytesEachTime) {
  Node& padded = opt.Network().GetPresent(9);
  const InstrPars pars = padded.Type().Pars();
  std::vector<InstrParOptSt> status(padded.OptSt());
  bool hasPad = false;
  for (std::size_t i = 0; i < pars.size(); ++i) {
    if (!pars[i]->ParIsPad()) continue;
    hasPad = true;
    status[i] = {L"Pad " + std::to_wstring(i), !pars[i]->ParIsDSt()};
  }
  ASSERT_TRUE(hasPad);
  padded.SetOptSt(status);

  LegacyBytes older;
  older.Int(22);
  LegacyArchive block;  // the double holds no values of its own
  opt.SerializeLegacy(block, 22, true);
  older.b.insert(older.b.end(), block.Bytes().begin(), block.Bytes().end());

  DocDouble first;
  EXPECT_EQ(LoadDoc(first, older.b), 22);
  LegacyArchive firstSave;
  first.SerializeDocLegacy(firstSave);
  DocDouble second;
  EXPECT_EQ(LoadDoc(second, firstSave.Bytes()), 25);
  LegacyArchive secondSave;
  second.SerializeDocLegacy(secondSave);
  EXPECT_EQ(firstSave.Bytes(), secondSave.Bytes());
}

// A file whose blocks hold different networks shows which blocks apply.
struct BlockCase {
  int version;
  bool takesLastBlock;
};

class DocBlocks : public DocLegacyTest, public ::testing::WithParamInterface<BlockCase> {};

TEST_P(DocBlocks, OnlyTheBlocksOfTheFilesOwnVersionTakeEffect) {
  const BlockCase& c = GetParam();
  DocDouble older;
  older.NetOpt().Network().InsertNew(5, Node(PaddedType));
  NetOptRecord o = older.NetOpt().Options();
  o.intNetAlarm_ = 111;
  older.NetOpt().SetOptions(o);

  LegacyBytes file;
  file.Int(c.version);
  for (int block = 22; block <= std::min(c.version, 24); ++block) {
    LegacyArchive ar;
    older.NetOpt().SerializeLegacy(ar, block, true);
    file.b.insert(file.b.end(), ar.Bytes().begin(), ar.Bytes().end());
  }
  if (c.version >= 25) {
    LegacyArchive ar;
    opt.SerializeLegacy(ar, 25, true);
    file.b.insert(file.b.end(), ar.Bytes().begin(), ar.Bytes().end());
  }
  DocDouble loaded;
  LoadDoc(loaded, file.b);
  const InstrNet& net = loaded.NetOpt().Network();
  if (c.takesLastBlock) {
    EXPECT_EQ(loaded.NetOpt().Options().intNetAlarm_, 600);
    EXPECT_EQ(net.Size(), 2u);
    EXPECT_FALSE(net.IsPresent(5));
  } else {
    EXPECT_EQ(loaded.NetOpt().Options().intNetAlarm_, 111);
    EXPECT_EQ(net.Size(), 1u);
    EXPECT_TRUE(net.IsPresent(5));
  }
}

INSTANTIATE_TEST_SUITE_P(Versions, DocBlocks,
                         ::testing::Values(BlockCase{22, false}, BlockCase{23, false},
                                           BlockCase{24, false}, BlockCase{25, true},
                                           BlockCase{30, true}),
                         [](const auto& info) { return "v" + std::to_string(info.param.version); });

TEST_F(DocLegacyTest, VersionBelow15_ShowsTheMessageAndFailsTheLoad) {
  LegacyBytes file;
  file.Int(14).Int(0);
  DocDouble loaded;
  LegacyArchive ar(file.b);
  EXPECT_THROW(loaded.SerializeDocLegacy(ar), LegacyFormatError);
  EXPECT_EQ(loaded.messages_, std::vector<std::wstring>{InvalidQziFormatText});
  EXPECT_EQ(loaded.languagesApplied_, 0);
}

TEST_F(DocLegacyTest, EmptyFile_ReadsNothingAndKeepsTheNewDocument) {
  DocDouble loaded;
  EXPECT_EQ(LoadDoc(loaded, {}), 0);
  EXPECT_TRUE(loaded.messages_.empty());
  EXPECT_FALSE(loaded.NetOpt().RxEnabled());
}

TEST_F(DocLegacyTest, TruncatedFile_FailsTheLoad) {
  std::vector<std::uint8_t> bytes = SaveDoc();
  bytes.resize(bytes.size() - 3);
  DocDouble loaded;
  LegacyArchive ar(bytes);
  EXPECT_THROW(loaded.SerializeDocLegacy(ar), Platform::LegacyArchiveError);
}

}  // namespace
