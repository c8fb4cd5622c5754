#include <gtest/gtest.h>

#include <boost/archive/xml_wiarchive.hpp>
#include <boost/archive/xml_woarchive.hpp>
#include <boost/serialization/nvp.hpp>
#include <sstream>
#include <string>

#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/XmlArchiveRead.h"
#include "network/nodes/InstrNetOpt.h"
#include "tests/support/DocDouble.h"
#include "tests/support/TestCatalogue.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

template <class T>
std::wstring SaveXml(const T& object) {
  std::wostringstream os;
  {
    boost::archive::xml_woarchive oa(os);
    oa << boost::serialization::make_nvp("object", object);
  }
  return os.str();
}

// As the document reads its archives: a cut or damaged one fails with
// XmlArchiveError instead of ending the program.
template <class T>
void LoadXml(const std::wstring& xml, T& object) {
  std::wistringstream is(xml);
  ReadXmlArchive(is, L"the test file", [&](boost::archive::xml_wiarchive& ia) {
    ia >> boost::serialization::make_nvp("object", object);
  });
}

// A node of the type whose every saved field differs from a new node's, and
// whose unsaved state is not the default either.
Node Changed(const std::wstring& code, int salt) {
  Node n(code);
  NodeOpt& o = n.Opt();
  o.nm_ = L"Room <" + code + L"> & \"" + std::to_wstring(salt) + L"\" \u00e8";
  o.act_ = false;
  o.cpyAdvFrm_ = 7;
  o.lostLinkDelay_ = 1234 + salt;
  o.actOnLinkAlarm_ = false;
  o.xr_ = false;
  o.xs_ = 31;
  o.xt_ = false;
  o.yr_ = false;
  o.ys_ = 3601;
  o.yt_ = false;
  o.gr_ = false;
  o.gs_ = 301;
  o.gt_ = false;
  o.hr_ = false;
  o.hs_ = 3602;
  o.ht_ = false;
  o.pr_ = true;
  o.ps_ = 604801;
  o.vr_ = true;
  o.vs_ = 302;
  n.UpdateState([salt](NodeSt& s) {
    s.link_ = Node::yes_link;
    s.alarm_ = 4;
    s.linkAlarm_ = true;
    s.linkDeadline_ = 99;
    s.xn_ = 1000 + salt;
    s.yn_ = 2000 + salt;
    s.gn_ = 3000 + salt;
    s.hn_ = 4000 + salt;
    s.pn_ = 5000 + salt;
    s.vn_ = 6000 + salt;
  });
  for (auto& e : n.OptSt()) e = {e.stTextOpt_ + L" st", !e.stDefOpt_};
  for (auto& e : n.OptPlt()) e = {e.pltTextOpt_ + L" plt", !e.pltDefOpt_};
  for (auto& e : n.OptFrm()) {
    e.frmTextOpt_ += L" frm";
    e.frmDefOpt_ = !e.frmDefOpt_;
    e.frmFreeOpt_ = !e.frmFreeOpt_;
    e.frmNewCol_ = !e.frmNewCol_;
  }
  for (auto& e : n.OptFrmSub()) {
    e.frmTextOptSub_ += L" sub";
    e.frmDefOptSub_ = !e.frmDefOptSub_;
    e.frmSubNewCol_ = !e.frmSubNewCol_;
  }
  for (auto& e : n.OptFrmGrp()) {
    e.frmTextOptGrp_ += L" grp";
    e.frmDefOptGrp_ = !e.frmDefOptGrp_;
    e.frmGrpNewCol_ = !e.frmGrpNewCol_;
  }
  const InstrPars readable = ReadablePars(n.Type().Pars());
  n.LatestReadings(DefaultValues(readable));
  return n;
}

// Everything saved is equal; everything unsaved has the default of a new node.
void ExpectLoadedCopy(const Node& loaded, const Node& saved) {
  EXPECT_EQ(loaded.Type().Code(), saved.Type().Code());
  const NodeOpt& a = loaded.Opt();
  const NodeOpt& b = saved.Opt();
  EXPECT_EQ(a.nm_.get(), b.nm_.get());
  EXPECT_EQ(a.act_, b.act_);
  EXPECT_EQ(a.cpyAdvFrm_, b.cpyAdvFrm_);
  EXPECT_EQ(a.lostLinkDelay_, b.lostLinkDelay_);
  EXPECT_EQ(a.actOnLinkAlarm_, b.actOnLinkAlarm_);
  EXPECT_EQ(a.xr_, b.xr_);
  EXPECT_EQ(a.xs_, b.xs_);
  EXPECT_EQ(a.xt_, b.xt_);
  EXPECT_EQ(a.yr_, b.yr_);
  EXPECT_EQ(a.ys_, b.ys_);
  EXPECT_EQ(a.yt_, b.yt_);
  EXPECT_EQ(a.gr_, b.gr_);
  EXPECT_EQ(a.gs_, b.gs_);
  EXPECT_EQ(a.gt_, b.gt_);
  EXPECT_EQ(a.hr_, b.hr_);
  EXPECT_EQ(a.hs_, b.hs_);
  EXPECT_EQ(a.ht_, b.ht_);
  EXPECT_EQ(a.pr_, b.pr_);
  EXPECT_EQ(a.ps_, b.ps_);
  EXPECT_EQ(a.vr_, b.vr_);
  EXPECT_EQ(a.vs_, b.vs_);

  ASSERT_EQ(loaded.OptSt().size(), saved.OptSt().size());
  for (std::size_t i = 0; i < saved.OptSt().size(); ++i) {
    EXPECT_EQ(loaded.OptSt()[i].stTextOpt_, saved.OptSt()[i].stTextOpt_);
    EXPECT_EQ(loaded.OptSt()[i].stDefOpt_, saved.OptSt()[i].stDefOpt_);
    EXPECT_EQ(loaded.OptPlt()[i].pltTextOpt_, saved.OptPlt()[i].pltTextOpt_);
    EXPECT_EQ(loaded.OptPlt()[i].pltDefOpt_, saved.OptPlt()[i].pltDefOpt_);
    const InstrParOptFrm& f = loaded.OptFrm()[i];
    const InstrParOptFrm& g = saved.OptFrm()[i];
    EXPECT_EQ(f.frmTextOpt_, g.frmTextOpt_);
    EXPECT_EQ(f.frmDefOpt_, g.frmDefOpt_);
    EXPECT_EQ(f.frmFreeOpt_, g.frmFreeOpt_);
    EXPECT_EQ(f.frmSubIdx_, g.frmSubIdx_);
    EXPECT_EQ(f.frmNewCol_, g.frmNewCol_);
  }
  ASSERT_EQ(loaded.OptFrmSub().size(), saved.OptFrmSub().size());
  for (std::size_t i = 0; i < saved.OptFrmSub().size(); ++i) {
    const InstrParOptFrmSub& f = loaded.OptFrmSub()[i];
    const InstrParOptFrmSub& g = saved.OptFrmSub()[i];
    EXPECT_EQ(f.frmTextOptSub_, g.frmTextOptSub_);
    EXPECT_EQ(f.frmDefOptSub_, g.frmDefOptSub_);
    EXPECT_EQ(f.frmGrpIdx_, g.frmGrpIdx_);
    EXPECT_EQ(f.frmSubNewCol_, g.frmSubNewCol_);
  }
  ASSERT_EQ(loaded.OptFrmGrp().size(), saved.OptFrmGrp().size());
  for (std::size_t i = 0; i < saved.OptFrmGrp().size(); ++i) {
    EXPECT_EQ(loaded.OptFrmGrp()[i].frmTextOptGrp_, saved.OptFrmGrp()[i].frmTextOptGrp_);
    EXPECT_EQ(loaded.OptFrmGrp()[i].frmDefOptGrp_, saved.OptFrmGrp()[i].frmDefOptGrp_);
    EXPECT_EQ(loaded.OptFrmGrp()[i].frmGrpNewCol_, saved.OptFrmGrp()[i].frmGrpNewCol_);
  }

  const NodeSt s = loaded.State();
  const NodeSt t = saved.State();
  EXPECT_EQ(s.xn_, t.xn_);
  EXPECT_EQ(s.yn_, t.yn_);
  EXPECT_EQ(s.gn_, t.gn_);
  EXPECT_EQ(s.hn_, t.hn_);
  EXPECT_EQ(s.pn_, t.pn_);
  EXPECT_EQ(s.vn_, t.vn_);
  EXPECT_EQ(s.link_, Node::to_check);
  EXPECT_EQ(s.alarm_, 0);
  EXPECT_FALSE(s.linkAlarm_);
  EXPECT_EQ(s.linkDeadline_, 0);
  EXPECT_FALSE(loaded.HasReadings());
  EXPECT_FALSE(loaded.HasSettings());
  const InstrPars pars = loaded.Type().Pars();
  EXPECT_EQ(ToVUC(pars, loaded.Values()), ToVUC(pars, DefaultValues(pars)));
}

struct NodeXmlTest : ::testing::Test {
  void SetUp() override { LoadNetworkTestCatalogue(); }
};

TEST_F(NodeXmlTest, NodeOfEveryType_ComesBackWithEverySavedField) {
  for (const std::wstring& code : InstrCodes()) {
    SCOPED_TRACE(testing::Message() << "type " << std::string(code.begin(), code.end()));
    const Node saved = Changed(code, 1);
    Node loaded(OneRunType);
    LoadXml(SaveXml(saved), loaded);
    ExpectLoadedCopy(loaded, saved);
  }
}

TEST_F(NodeXmlTest, NetworkOfEveryType_ComesBackWithItsOptions_TroubleshootingOff) {
  DocDouble doc;
  NetOptRecord o = doc.NetOpt().Options();
  o.rxEn_ = true;
  o.troubleshoot_ = true;
  o.periodicBroadcastEn_[1] = true;
  o.periodicBroadcastInt_[2] = 17;
  o.periodicBroadcastAddr_[0] = 44;
  o.onNetAlarm_ = false;
  o.intNetAlarm_ = 700;
  doc.NetOpt().SetOptions(o);
  int salt = 1;
  for (const std::wstring& code : InstrCodes()) {
    doc.NetOpt().Network().InsertNew(salt * 3, Changed(code, salt));
    ++salt;
  }

  const std::wstring xml = SaveXml(doc.NetOpt());
  DocDouble other;
  LoadXml(xml, other.NetOpt());
  const NetOptRecord p = other.NetOpt().Options();
  EXPECT_TRUE(p.rxEn_);
  EXPECT_FALSE(p.troubleshoot_);
  EXPECT_TRUE(p.periodicBroadcastEn_[1]);
  EXPECT_FALSE(p.periodicBroadcastEn_[0]);
  EXPECT_EQ(p.periodicBroadcastInt_[2], 17);
  EXPECT_EQ(p.periodicBroadcastAddr_[0], 44);
  EXPECT_FALSE(p.onNetAlarm_);
  EXPECT_EQ(p.intNetAlarm_, 700);
  const InstrNet& saved = doc.NetOpt().Network();
  const InstrNet& loaded = other.NetOpt().Network();
  ASSERT_EQ(loaded.Size(), saved.Size());
  for (auto h = saved.Begin(); h != saved.End(); h = saved.Next(h)) {
    ASSERT_TRUE(loaded.IsPresent(h->first));
    ExpectLoadedCopy(loaded.GetPresent(h->first), h->second);
  }
}

TEST_F(NodeXmlTest, SavingTheNetwork_AppliesTheCopiedOptionsFirst) {
  DocDouble doc;
  Node a(OneRunType);
  a.Opt().cpyAdvFrm_ = 2;  // another type: forgotten at saving
  doc.NetOpt().Network().InsertNew(1, a);
  doc.NetOpt().Network().InsertNew(2, Node(PaddedType));
  const std::wstring xml = SaveXml(doc.NetOpt());
  EXPECT_EQ(doc.NetOpt().Network().GetPresent(1).Opt().cpyAdvFrm_, 0);
  DocDouble other;
  LoadXml(xml, other.NetOpt());
  EXPECT_EQ(other.NetOpt().Network().GetPresent(1).Opt().cpyAdvFrm_, 0);
}

// Drops the last item of one stored vector, as if the type had lost an
// entry since the file was written.
std::wstring DropLastItem(std::wstring xml, const std::wstring& vector) {
  const std::size_t open = xml.find(L"<" + vector);
  const std::size_t close = xml.find(L"</" + vector + L">", open);
  const std::size_t count = xml.find(L"<count>", open) + 7;
  const std::size_t countEnd = xml.find(L"</count>", count);
  const int n = std::stoi(xml.substr(count, countEnd - count));
  const std::size_t lastItem = xml.rfind(L"<item", close);
  xml.erase(lastItem, close - lastItem);
  xml.replace(count, countEnd - count, std::to_wstring(n - 1));
  return xml;
}

TEST_F(NodeXmlTest, StoredVectorOfAnotherSize_IsRefusedAndTheNodeKept) {
  struct Case {
    const wchar_t* vector;
    const char* message;
  };
  const Case cases[] = {{L"vIPOSt_", "vIPOSt_    .size()==size"},
                        {L"vIPOPlt_", "vIPOPlt_   .size()==size"},
                        {L"vIPOFrm_", "vIPOFrm_   .size()==size"},
                        {L"vIPOFrmSub_", "vIPOFrmSub_.size()==size"},
                        {L"vIPOFrmGrp_", "vIPOFrmGrp_.size()==size"}};
  const std::wstring xml = SaveXml(Changed(SparseFrameType, 2));
  for (const Case& c : cases) {
    Node target(OneRunType);
    target.Opt().nm_ = L"kept";
    try {
      LoadXml(DropLastItem(xml, c.vector), target);
      ADD_FAILURE() << "loaded despite " << c.message;
    } catch (const std::exception& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
    EXPECT_EQ(target.Type().Code(), OneRunType);
    EXPECT_EQ(target.Opt().nm_.get(), L"kept");
  }
}

TEST_F(NodeXmlTest, StoredCodeUnknownToTheCatalogue_IsRefusedAndTheNodeKept) {
  std::wstring xml = SaveXml(Node(OneRunType));
  const std::size_t at = xml.find(OneRunType);
  xml.replace(at, OneRunType.size(), L"TST_GONE");
  Node target(PaddedType);
  EXPECT_THROW(LoadXml(xml, target), InstrBadRef);
  EXPECT_EQ(target.Type().Code(), PaddedType);
}

TEST_F(NodeXmlTest, StoredNetworkWithAddressZero_IsRefused) {
  DocDouble doc;
  doc.NetOpt().Network().InsertNew(7, Node(OneRunType));
  std::wstring xml = SaveXml(doc.NetOpt());
  const std::size_t at = xml.find(L"<first>7</first>");
  ASSERT_NE(at, std::wstring::npos) << std::string(xml.begin(), xml.end());
  xml.replace(at, 16, L"<first>0</first>");
  DocDouble other;
  EXPECT_THROW(LoadXml(xml, other.NetOpt()), std::invalid_argument);
  EXPECT_EQ(other.NetOpt().Network().Size(), 0u);
}

}  // namespace

// Every way the end of a node's or a network's archive can be missing or
// damaged fails the read; none ends the program.
TEST_F(NodeXmlTest, CutOrDamagedArchive_FailsNamingTheFile) {
  DocDouble doc;
  doc.NetOpt().Network().InsertNew(3, Changed(OneRunType, 1));
  const std::wstring node = SaveXml(Changed(OneRunType, 2));
  const std::wstring network = SaveXml(doc.NetOpt());
  const auto cutAfter = [](const std::wstring& text, const std::wstring& tag) {
    const std::size_t at = text.find(tag);
    EXPECT_NE(at, std::wstring::npos);
    return text.substr(0, at + tag.size());
  };
  const auto damagedEnd = [](std::wstring text) {
    return text.replace(text.find(L"</boost_serialization>"), 22, L"</boost_serialization");
  };
  const struct {
    const char* name;
    std::wstring text;
    bool network;
  } cases[] = {
      {"node cut after the object", cutAfter(node, L"</object>"), false},
      {"node with a damaged end tag", damagedEnd(node), false},
      {"node cut inside a value", cutAfter(node, L"<v>Room"), false},
      {"network cut after the object", cutAfter(network, L"</object>"), true},
      {"network with a damaged end tag", damagedEnd(network), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Node loadedNode(OneRunType);
    DocDouble loadedDoc;
    try {
      if (c.network)
        LoadXml(c.text, loadedDoc.NetOpt());
      else
        LoadXml(c.text, loadedNode);
      ADD_FAILURE() << "loaded";
    } catch (const XmlArchiveError& e) {
      EXPECT_NE(std::string(e.what()).find(" in the test file"), std::string::npos) << e.what();
    }
  }
}
