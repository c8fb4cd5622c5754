#include "tests/document/DocChanged.h"

#include "document/QziDocIGph.h"
#include "document/QziDocIMFC.h"
#include "document/QziDocIStdImpl.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/FrameworkAdapters.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/Node.h"
#include "tests/support/TestCatalogue.h"

using namespace PardeloStravon;

namespace TestSupport {

namespace {

LOGFONTW Font(int height, const wchar_t* face) {
  LOGFONTW lf = LGF_options;
  lf.lfHeight = height;
  lf.lfWeight = 700;
  lf.lfUnderline = 1;
  SetFaceName(lf, face);
  return lf;
}

}  // namespace

void ChangeEverything(QziDocF& f, long due) {
  GraphOptions& g = f.GetIGph()->gO_;
  g.gLF_ = Font(-11, L"Gr\u0101ph");
  g.gRGB_ = 0x123456;
  g.gphLTh_ = 0.25f;
  g.gphDAg_ = 33.5f;
  g.gphDRA_ = false;
  g.gphRSp_ = true;
  g.gphIsP_ = true;
  g.dteFmt_ = CString(L"%d/%m <%H>");
  g.gphNFm_ = std::wstring(L"%7.3f & more");
  QziDocIMFC& m = *f.GetIMFC();
  m.oLF_ = Font(-12, L"\u0141\u00F3d\u017A");
  m.sLF_ = Font(-13, L"\u4E2D\u6587");
  m.pLF_ = Font(-14, L"Prog");
  m.oRGB_ = 0x010203;
  m.sRGB_ = 0x040506;
  m.pRGB_ = 0x070809;
  QziDocIStd::Impl& d = f.GetIStd()->GetImpl();
  d.pass_ = L"line\nfeed\rreturn\U0001F600";
  d.passSup_ = L"<sup&>\u00E9";
  d.lng_ = 7;
  d.prgRows_ = 12;
  d.tm_dhms_ = false;
  InstrNetOpt& opt = *d.netOpt_;
  NetOptRecord o = opt.Options();
  o.rxEn_ = false;  // the content is never started here
  for (int s = 0; s < BroadcastSlots; ++s) {
    o.periodicBroadcastEn_[s] = s != 1;
    o.periodicBroadcastInt_[s] = 70 + s;
    o.periodicBroadcastAddr_[s] = 20 + s;
  }
  o.onNetAlarm_ = false;
  o.intNetAlarm_ = 777;
  opt.SetOptions(o);
  Node a(OneRunType);
  a.Opt().nm_ = std::wstring(L"Room <3> & \u0141");
  a.Opt().xs_ = 45;
  a.UpdateState([due](NodeSt& s) { s.xn_ = due; s.vn_ = 1600000000; });
  opt.Network().InsertNew(3, a);
  Node b(PaddedType);
  b.Opt().nm_ = std::wstring(L"Room 9");
  b.Opt().act_ = false;
  opt.Network().InsertNew(9, b);
}

void AddEveryType(QziDocF& f) {
  InstrNetOpt& opt = f.GetIStd()->NetOpt();
  int address = 100;
  for (const std::wstring& code : InstrCodes()) opt.Network().InsertNew(address++, Node(code));
}

}  // namespace TestSupport
