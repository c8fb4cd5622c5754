// A network options element written by hand from the element lists of the
// document format, in the archive version the format follows (3: no
// item_version). A wrong element name or order in the code cannot pass here
// as it could in a round trip.
#include <gtest/gtest.h>

#include <boost/archive/xml_wiarchive.hpp>
#include <boost/serialization/nvp.hpp>
#include <sstream>

#include "foundation/catalogue/InstrTable.h"
#include "network/nodes/InstrNetOpt.h"
#include "tests/support/DocDouble.h"
#include "tests/support/TestCatalogue.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

const wchar_t* const HandWritten = LR"(<?xml version="1.0" encoding="UTF-8" standalone="yes" ?>
<!DOCTYPE boost_serialization>
<boost_serialization signature="serialization::archive" version="3">
<tm_dhms_ class_id="0" tracking_level="0" version="0">
<rxEn_ class_id="1" tracking_level="0" version="0"><v>1</v></rxEn_>
<periodicBroadcastEn_><count>3</count><item><v>1</v></item><item><v>0</v></item><item><v>1</v></item></periodicBroadcastEn_>
<periodicBroadcastInt_><count>3</count><item class_id="2" tracking_level="0" version="0"><v>15</v></item><item><v>25</v></item><item><v>35</v></item></periodicBroadcastInt_>
<periodicBroadcastAddr_><count>3</count><item class_id="3" tracking_level="0" version="0"><v>7</v></item><item><v>8</v></item><item><v>9</v></item></periodicBroadcastAddr_>
<onNetAlarm_ class_id="4" tracking_level="0" version="0"><v>0</v></onNetAlarm_>
<intNetAlarm_ class_id="5" tracking_level="0" version="0"><v>450</v></intNetAlarm_>
<pIN_ class_id="6" tracking_level="1" version="0" object_id="_0">
<mapImpl_ class_id="7" tracking_level="0" version="0">
<count>2</count>
<item class_id="8" tracking_level="0" version="0">
<first>5</first>
<second class_id="9" tracking_level="0" version="0">
<code>TST_ONERUN</code>
<vIPOSt_ class_id="10" tracking_level="0" version="0"><count>3</count>
<item class_id="11" tracking_level="0" version="0"><stTextOpt_>Aria</stTextOpt_><stDefOpt_>1</stDefOpt_></item>
<item><stTextOpt_>Evap</stTextOpt_><stDefOpt_>0</stDefOpt_></item>
<item><stTextOpt_>Set</stTextOpt_><stDefOpt_>1</stDefOpt_></item>
</vIPOSt_>
<vIPOPlt_ class_id="12" tracking_level="0" version="0"><count>3</count>
<item class_id="13" tracking_level="0" version="0"><pltTextOpt_>PA</pltTextOpt_><pltDefOpt_>0</pltDefOpt_></item>
<item><pltTextOpt_>PB</pltTextOpt_><pltDefOpt_>1</pltDefOpt_></item>
<item><pltTextOpt_>PC</pltTextOpt_><pltDefOpt_>0</pltDefOpt_></item>
</vIPOPlt_>
<vIPOFrm_ class_id="14" tracking_level="0" version="0"><count>3</count>
<item class_id="15" tracking_level="0" version="0"><frmTextOpt_>F1</frmTextOpt_><frmDefOpt_>1</frmDefOpt_><frmFreeOpt_>0</frmFreeOpt_><frmNewCol_>0</frmNewCol_></item>
<item><frmTextOpt_>F2</frmTextOpt_><frmDefOpt_>0</frmDefOpt_><frmFreeOpt_>1</frmFreeOpt_><frmNewCol_>1</frmNewCol_></item>
<item><frmTextOpt_>F3</frmTextOpt_><frmDefOpt_>1</frmDefOpt_><frmFreeOpt_>1</frmFreeOpt_><frmNewCol_>0</frmNewCol_></item>
</vIPOFrm_>
<vIPOFrmSub_ class_id="16" tracking_level="0" version="0"><count>1</count>
<item class_id="17" tracking_level="0" version="0"><frmTextOptSub_>Sub1</frmTextOptSub_><frmDefOptSub_>0</frmDefOptSub_><frmSubNewCol_>1</frmSubNewCol_></item>
</vIPOFrmSub_>
<vIPOFrmGrp_ class_id="18" tracking_level="0" version="0"><count>1</count>
<item class_id="19" tracking_level="0" version="0"><frmTextOptGrp_>Grp1</frmTextOptGrp_><frmDefOptGrp_>1</frmDefOptGrp_><frmGrpNewCol_>1</frmGrpNewCol_></item>
</vIPOFrmGrp_>
<nodeOpt_ class_id="20" tracking_level="0" version="0">
<nm_ class_id="21" tracking_level="0" version="0"><v>Cella 5</v></nm_>
<act_ class_id="22" tracking_level="0" version="0"><v>0</v></act_>
<cpyAdvFrm_ class_id="23" tracking_level="0" version="0"><v>12</v></cpyAdvFrm_>
<lostLinkDelay_ class_id="24" tracking_level="0" version="0"><v>900</v></lostLinkDelay_>
<actOnLinkAlarm_ class_id="25" tracking_level="0" version="0"><v>0</v></actOnLinkAlarm_>
<xr_ class_id="26" tracking_level="0" version="0"><v>0</v></xr_>
<xs_ class_id="27" tracking_level="0" version="0"><v>40</v></xs_>
<xt_ class_id="28" tracking_level="0" version="0"><v>0</v></xt_>
<yr_ class_id="29" tracking_level="0" version="0"><v>0</v></yr_>
<ys_ class_id="30" tracking_level="0" version="0"><v>4000</v></ys_>
<yt_ class_id="31" tracking_level="0" version="0"><v>0</v></yt_>
<gr_ class_id="32" tracking_level="0" version="0"><v>0</v></gr_>
<gs_ class_id="33" tracking_level="0" version="0"><v>400</v></gs_>
<gt_ class_id="34" tracking_level="0" version="0"><v>0</v></gt_>
<hr_ class_id="35" tracking_level="0" version="0"><v>0</v></hr_>
<hs_ class_id="36" tracking_level="0" version="0"><v>5000</v></hs_>
<ht_ class_id="37" tracking_level="0" version="0"><v>0</v></ht_>
<pr_ class_id="38" tracking_level="0" version="0"><v>1</v></pr_>
<ps_ class_id="39" tracking_level="0" version="0"><v>86400</v></ps_>
<vr_ class_id="40" tracking_level="0" version="0"><v>1</v></vr_>
<vs_ class_id="41" tracking_level="0" version="0"><v>200</v></vs_>
</nodeOpt_>
<nodeSt_ class_id="42" tracking_level="0" version="0">
<xn_ class_id="43" tracking_level="0" version="0"><v>1001</v></xn_>
<yn_><v>1002</v></yn_>
<gn_><v>1003</v></gn_>
<hn_><v>1004</v></hn_>
<pn_><v>1005</v></pn_>
<vn_><v>1006</v></vn_>
</nodeSt_>
</second>
</item>
<item>
<first>12</first>
<second>
<code>TST_TURNSET</code>
<vIPOSt_><count>3</count>
<item><stTextOpt_>T-a</stTextOpt_><stDefOpt_>1</stDefOpt_></item>
<item><stTextOpt_>T-b</stTextOpt_><stDefOpt_>1</stDefOpt_></item>
<item><stTextOpt_>T-c</stTextOpt_><stDefOpt_>0</stDefOpt_></item>
</vIPOSt_>
<vIPOPlt_><count>3</count>
<item><pltTextOpt_>P-a</pltTextOpt_><pltDefOpt_>1</pltDefOpt_></item>
<item><pltTextOpt_>P-b</pltTextOpt_><pltDefOpt_>0</pltDefOpt_></item>
<item><pltTextOpt_>P-c</pltTextOpt_><pltDefOpt_>1</pltDefOpt_></item>
</vIPOPlt_>
<vIPOFrm_><count>3</count>
<item><frmTextOpt_>R-a</frmTextOpt_><frmDefOpt_>1</frmDefOpt_><frmFreeOpt_>0</frmFreeOpt_><frmNewCol_>0</frmNewCol_></item>
<item><frmTextOpt_>R-b</frmTextOpt_><frmDefOpt_>1</frmDefOpt_><frmFreeOpt_>0</frmFreeOpt_><frmNewCol_>0</frmNewCol_></item>
<item><frmTextOpt_>R-c</frmTextOpt_><frmDefOpt_>1</frmDefOpt_><frmFreeOpt_>1</frmFreeOpt_><frmNewCol_>0</frmNewCol_></item>
</vIPOFrm_>
<vIPOFrmSub_><count>2</count>
<item><frmTextOptSub_>Sub-a</frmTextOptSub_><frmDefOptSub_>1</frmDefOptSub_><frmSubNewCol_>0</frmSubNewCol_></item>
<item><frmTextOptSub_>Sub-b</frmTextOptSub_><frmDefOptSub_>1</frmDefOptSub_><frmSubNewCol_>1</frmSubNewCol_></item>
</vIPOFrmSub_>
<vIPOFrmGrp_><count>2</count>
<item><frmTextOptGrp_>Grp-a</frmTextOptGrp_><frmDefOptGrp_>0</frmDefOptGrp_><frmGrpNewCol_>0</frmGrpNewCol_></item>
<item><frmTextOptGrp_>Grp-b</frmTextOptGrp_><frmDefOptGrp_>1</frmDefOptGrp_><frmGrpNewCol_>1</frmGrpNewCol_></item>
</vIPOFrmGrp_>
<nodeOpt_>
<nm_><v>Cella 12</v></nm_>
<act_><v>1</v></act_>
<cpyAdvFrm_><v>0</v></cpyAdvFrm_>
<lostLinkDelay_><v>0</v></lostLinkDelay_>
<actOnLinkAlarm_><v>1</v></actOnLinkAlarm_>
<xr_><v>1</v></xr_>
<xs_><v>0</v></xs_>
<xt_><v>1</v></xt_>
<yr_><v>1</v></yr_>
<ys_><v>3700</v></ys_>
<yt_><v>1</v></yt_>
<gr_><v>1</v></gr_>
<gs_><v>310</v></gs_>
<gt_><v>1</v></gt_>
<hr_><v>1</v></hr_>
<hs_><v>3800</v></hs_>
<ht_><v>1</v></ht_>
<pr_><v>0</v></pr_>
<ps_><v>700000</v></ps_>
<vr_><v>0</v></vr_>
<vs_><v>320</v></vs_>
</nodeOpt_>
<nodeSt_>
<xn_><v>2001</v></xn_>
<yn_><v>2002</v></yn_>
<gn_><v>2003</v></gn_>
<hn_><v>2004</v></hn_>
<pn_><v>2005</v></pn_>
<vn_><v>2006</v></vn_>
</nodeSt_>
</second>
</item>
</mapImpl_>
</pIN_>
</tm_dhms_>
</boost_serialization>
)";

struct HandWrittenXml : ::testing::Test {
  DocDouble doc;

  void SetUp() override {
    LoadNetworkTestCatalogue();
    std::wistringstream is(HandWritten);
    boost::archive::xml_wiarchive ia(is);
    ia >> boost::serialization::make_nvp("tm_dhms_", doc.NetOpt());
  }
  const Node& At(int address) { return doc.NetOpt().Network().GetPresent(address); }
};

TEST_F(HandWrittenXml, NetworkOptions_HaveEveryStoredValue) {
  const NetOptRecord o = doc.NetOpt().Options();
  EXPECT_TRUE(o.rxEn_);
  EXPECT_FALSE(o.troubleshoot_);
  const bool en[] = {true, false, true};
  for (int s = 0; s < BroadcastSlots; ++s) {
    EXPECT_EQ(o.periodicBroadcastEn_[s], en[s]) << s;
    EXPECT_EQ(o.periodicBroadcastInt_[s], 15 + 10 * s) << s;
    EXPECT_EQ(o.periodicBroadcastAddr_[s], 7 + s) << s;
  }
  EXPECT_FALSE(o.onNetAlarm_);
  EXPECT_EQ(o.intNetAlarm_, 450);
  EXPECT_EQ(doc.NetOpt().Network().Size(), 2u);
}

TEST_F(HandWrittenXml, FirstNode_HasEveryOptionVectorEntry) {
  const Node& n = At(5);
  EXPECT_EQ(n.Type().Code(), OneRunType);
  const std::pair<const wchar_t*, bool> st[] = {{L"Aria", true}, {L"Evap", false}, {L"Set", true}};
  const std::pair<const wchar_t*, bool> plt[] = {{L"PA", false}, {L"PB", true}, {L"PC", false}};
  struct Frm {
    const wchar_t* text;
    bool def, free, newCol;
  };
  const Frm frm[] = {{L"F1", true, false, false}, {L"F2", false, true, true}, {L"F3", true, true, false}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(n.OptSt()[i].stTextOpt_, st[i].first);
    EXPECT_EQ(n.OptSt()[i].stDefOpt_, st[i].second);
    EXPECT_EQ(n.OptPlt()[i].pltTextOpt_, plt[i].first);
    EXPECT_EQ(n.OptPlt()[i].pltDefOpt_, plt[i].second);
    EXPECT_EQ(n.OptFrm()[i].frmTextOpt_, frm[i].text);
    EXPECT_EQ(n.OptFrm()[i].frmDefOpt_, frm[i].def);
    EXPECT_EQ(n.OptFrm()[i].frmFreeOpt_, frm[i].free);
    EXPECT_EQ(n.OptFrm()[i].frmNewCol_, frm[i].newCol);
    EXPECT_EQ(n.OptFrm()[i].frmSubIdx_, 0);
  }
  EXPECT_EQ(n.OptFrmSub()[0].frmTextOptSub_, L"Sub1");
  EXPECT_FALSE(n.OptFrmSub()[0].frmDefOptSub_);
  EXPECT_TRUE(n.OptFrmSub()[0].frmSubNewCol_);
  EXPECT_EQ(n.OptFrmSub()[0].frmGrpIdx_, 0);
  EXPECT_EQ(n.OptFrmGrp()[0].frmTextOptGrp_, L"Grp1");
  EXPECT_TRUE(n.OptFrmGrp()[0].frmDefOptGrp_);
  EXPECT_TRUE(n.OptFrmGrp()[0].frmGrpNewCol_);
}

TEST_F(HandWrittenXml, FirstNode_HasEveryOptionAndDueTime) {
  const Node& n = At(5);
  const NodeOpt& o = n.Opt();
  EXPECT_EQ(o.nm_.get(), L"Cella 5");
  EXPECT_FALSE(o.act_);
  EXPECT_EQ(o.cpyAdvFrm_, 12);
  EXPECT_EQ(o.lostLinkDelay_, 900);
  EXPECT_FALSE(o.actOnLinkAlarm_);
  EXPECT_FALSE(o.xr_ || o.xt_ || o.yr_ || o.yt_ || o.gr_ || o.gt_ || o.hr_ || o.ht_);
  EXPECT_EQ(o.xs_, 40);
  EXPECT_EQ(o.ys_, 4000);
  EXPECT_EQ(o.gs_, 400);
  EXPECT_EQ(o.hs_, 5000);
  EXPECT_TRUE(o.pr_);
  EXPECT_EQ(o.ps_, 86400);
  EXPECT_TRUE(o.vr_);
  EXPECT_EQ(o.vs_, 200);
  const NodeSt s = n.State();
  EXPECT_EQ(s.xn_, 1001);
  EXPECT_EQ(s.yn_, 1002);
  EXPECT_EQ(s.gn_, 1003);
  EXPECT_EQ(s.hn_, 1004);
  EXPECT_EQ(s.pn_, 1005);
  EXPECT_EQ(s.vn_, 1006);
  EXPECT_EQ(s.link_, Node::to_check);
}

TEST_F(HandWrittenXml, LaterNodeWithoutClassAttributes_LoadsAndIsReindexed) {
  const Node& n = At(12);
  EXPECT_EQ(n.Type().Code(), TurnSettableType);
  EXPECT_EQ(n.OptSt()[2].stTextOpt_, L"T-c");
  EXPECT_EQ(n.OptPlt()[1].pltTextOpt_, L"P-b");
  EXPECT_TRUE(n.OptFrm()[2].frmFreeOpt_);
  EXPECT_EQ(n.OptFrmSub()[1].frmTextOptSub_, L"Sub-b");
  EXPECT_EQ(n.OptFrmGrp()[1].frmTextOptGrp_, L"Grp-b");
  EXPECT_EQ(n.OptFrm()[0].frmSubIdx_, 0);
  EXPECT_EQ(n.OptFrm()[1].frmSubIdx_, 0);
  EXPECT_EQ(n.OptFrm()[2].frmSubIdx_, 1);
  EXPECT_EQ(n.OptFrmSub()[1].frmGrpIdx_, 1);
  EXPECT_EQ(n.Opt().nm_.get(), L"Cella 12");
  EXPECT_EQ(n.Opt().xs_, 1);  // a stored 0 s period is raised
  EXPECT_EQ(n.Opt().lostLinkDelay_, 0);
  EXPECT_EQ(n.Opt().ps_, 700000);
  EXPECT_EQ(n.State().vn_, 2006);
}

}  // namespace
