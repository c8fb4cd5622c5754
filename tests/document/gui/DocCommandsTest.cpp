// The document's commands with answering dialogs, a user password set and
// nobody logged in: the order of menu redraw, access question and signals,
// what changed, and the refusals that change nothing.
#include <gtest/gtest.h>

#include "document/QziDocIGph.h"
#include "document/QziDocIMFC.h"
#include "document/QziDocIStd.h"
#include "document/gui/CommandDialogs.h"
#include "document/gui/MainFrameBase.h"
#include "document/gui/MenuUi.h"
#include "foundation/catalogue/InstrTable.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/Node.h"
#include "platform/gui/ProgramIds.h"
#include "platform/gui/ResourceIds.h"
#include "tests/document/gui/FrameworkFixture.h"
#include "tests/support/GuiTest.h"

namespace {

using namespace PardeloStravon;
using namespace Platform;
using TestSupport::PumpEvents;

// Answers as the test says and records what was asked.
struct DialogsDouble : CommandDialogs {
  int pick = 5;
  std::wstring type;
  bool ok = true;
  int language = 1;
  std::wstring password = L"new";
  std::vector<std::string>* events = nullptr;

  int PickInstrument(DocServices&, int) override { return pick; }
  std::wstring PickInstrType(const std::vector<std::wstring>&) override { return type; }
  bool PickFromTo(std::time_t*, std::time_t*, bool*) override { return ok; }
  bool EditGlobalOptions(InstrNetOpt&) override { return ok; }
  bool EditNode(InstrNet&, int, bool, bool) override {
    events->push_back("edit");
    return ok;
  }
  bool InputInt(int, int, int* out, const std::wstring&) override {
    *out = 30;
    return ok;
  }
  bool InputFloat(float, float, float* out, const std::wstring&) override {
    *out = 2.5f;
    return ok;
  }
  bool InputText(const std::wstring&, const std::wstring&, std::wstring* out, const std::wstring&) override {
    *out = L"%d";
    return ok;
  }
  std::wstring ChangePassword(const std::wstring& stored) override { return ok ? password : stored; }
  bool SelectLanguage(int* index) override {
    if (!ok || *index == language) return false;
    *index = language;
    return true;
  }
  bool ChooseFont(LOGFONTW* font, unsigned long* colour) override {
    font->lfHeight = -20;
    *colour = 0xFF;
    return ok;
  }
};

struct CommandCase {
  const char* name;
  int id;
  std::vector<std::string> events;  // "redraw", "ask", "edit", "signal a s"
  bool modified;
  std::function<bool(QziDoc&)> changed;
};

class DocCommandsTest : public TestSupport::FrameworkFixture {
 protected:
  void SetUp() override {
    FrameworkFixture::SetUp();
    dialogs_.type = InstrCodes().front();
    dialogs_.events = &events_;
    InstallCommandDialogs(&dialogs_);
    MenuRedrawObserver() = [this] { events_.push_back("redraw"); };
    views_.onAsk = [this] { events_.push_back("ask"); };
    views_.answer = true;
    main_->RouteCommand(ID_FILE_NEW);
    PumpEvents();
    doc_ = OpenDoc();
    ASSERT_NE(doc_, nullptr);
    Std().NetOpt().Network().InsertNew(5, Node(InstrCodes().front()));
    Std().SetPass(L"pw");
    Std().SetModified(false);
    connection_ = Std().ConnectDocSignal([this](int a, DocSignal s) {
      // The worker threads' ticks, trace lines and the results of their
      // periodic exchanges and recordings (due at any moment, sooner on a
      // loaded machine) are not the commands'.
      if (s <= dsPlotUpdate || s == dsTraceText || s == dsTraceLine) return;
      events_.push_back("signal " + std::to_string(a) + " " + std::to_string(int(s)));
      closingAtSignal_ = Std().IsClosing();
    });
  }
  void TearDown() override {
    connection_.disconnect();
    MenuRedrawObserver() = nullptr;
    views_.onAsk = nullptr;
    Std().NetOpt().SetTroubleshootSerial(false);
    FrameworkFixture::TearDown();
  }
  QziDocIStd& Std() { return doc_->Std(); }
  std::string Signal(int a, DocSignal s) { return "signal " + std::to_string(a) + " " + std::to_string(int(s)); }

  DialogsDouble dialogs_;
  std::vector<std::string> events_;
  QziDoc* doc_ = nullptr;
  boost::signals2::connection connection_;
  bool closingAtSignal_ = false;
};

TEST_F(DocCommandsTest, EachCommandAsksRedrawsChangesAndTellsInItsOrder) {
  const std::string ask = "ask", redraw = "redraw";
  const CommandCase cases[] = {
      {"edit", ID_EDIT_EDIT, {ask, "edit", redraw, Signal(5, dsEditInstr)}, true, nullptr},
      {"add", ID_EDIT_ADD, {redraw, ask, "edit", Signal(5 + 2, dsAddInstr)}, true,
       [](QziDoc& d) { return d.Std().NetOpt().Network().IsPresent(7); }},
      {"remove", ID_EDIT_REMOVE, {redraw, ask, Signal(5, dsRemoveInstr)}, true,
       [](QziDoc& d) { return !d.Std().NetOpt().Network().IsPresent(5); }},
      {"program", ID_EDIT_PROGRAM, {redraw, ask}, false, nullptr},
      {"global", ID_EDIT_GLOBAL, {redraw, ask}, true, nullptr},
      {"reception", ID_EDIT_RX, {redraw, ask, Signal(0, dsRxEnable)}, true,
       [](QziDoc& d) { return d.Std().NetOpt().RxEnabled(); }},
      {"troubleshooting", ID_EDIT_TROUBLESHOOT_S_COMM, {redraw, ask}, false,
       [](QziDoc& d) { return d.Std().NetOpt().TroubleshootSerial(); }},
      {"language", ID_EDIT_LANGUAGE, {ask, Signal(0, dsLanguage)}, true,
       [](QziDoc& d) { return d.Std().GetLanguage() == 1; }},
      {"login", ID_EDIT_LOGIN, {redraw, ask, Signal(0, dsLogin)}, false,
       [](QziDoc& d) { return d.Std().IsUserLogged(); }},
      {"supervisor login", ID_EDIT_LOGIN_SUP, {redraw, Signal(0, dsLoginSup)}, false,
       [](QziDoc& d) { return d.Std().IsSupLogged(); }},
      {"password", ID_EDIT_CHANGE_PASS, {redraw}, true, [](QziDoc& d) { return d.Std().GetPass() == L"new"; }},
      {"options font", ID_EDIT_FONT_OPTION, {redraw, ask, Signal(0, dsFontOptions)}, true,
       [](QziDoc& d) { return d.GetF()->GetIMFC()->oLF_.get().lfHeight == -20; }},
      {"graph font", ID_EDIT_FONTFORGRAPH, {redraw, ask, Signal(0, dsGraphFormat)}, true,
       [](QziDoc& d) { return d.GetF()->GetIGph()->gO_.gRGB_.get() == 0xFF; }},
      {"rows", ID_EDIT_ROWSPERCOLUMN, {redraw, ask, Signal(0, dsProgramLayout)}, true,
       [](QziDoc& d) { return d.Std().GetPrgRows() == 30; }},
      {"line width", ID_Graph_Line_Thickness, {redraw, ask, Signal(0, dsGraphFormat)}, true,
       [](QziDoc& d) { return d.GetF()->GetIGph()->gO_.gphLTh_.get() == 2.5f; }},
      {"date format", ID_EDIT_DATEFORMAT, {redraw, ask, Signal(0, dsGraphFormat)}, true,
       [](QziDoc& d) { return d.GetF()->GetIGph()->gO_.dteFmt_.get().Text() == L"%d"; }},
      {"number format", ID_GRAPHIC_NUMBER_FORMAT, {redraw, ask, Signal(0, dsGraphFormat)}, true,
       [](QziDoc& d) { return d.GetF()->GetIGph()->gO_.gphNFm_.get() == L"%d"; }},
      {"right alignment", ID_EDIT_DATE_RIGHT_ALIGN, {redraw, ask, Signal(0, dsGraphFormat)}, true, nullptr},
      {"time format", ID_EDIT_TIME_INTERVALS_AS_DHMS,
       {redraw, ask, Signal(0, dsProgramLayout), Signal(0, dsTimeFormat)}, true, nullptr},
      {"status view", ID_VIEW_STATUS, {redraw}, false, nullptr},
      {"run tasks", ID_RUN_GUI_TASKS, {}, false, nullptr},
  };
  for (const CommandCase& c : cases) {
    SCOPED_TRACE(c.name);
    // Each case on a fresh state of the document's switches.
    if (c.id == ID_EDIT_ADD) dialogs_.pick = 7;
    events_.clear();
    Std().SetModified(false);
    const int windows = ChildCount();
    EXPECT_TRUE(main_->RouteCommand(c.id));
    PumpEvents();
    EXPECT_EQ(events_, c.events);
    EXPECT_EQ(Std().IsModified(), c.modified);
    if (c.changed) {
      EXPECT_TRUE(c.changed(*doc_));
    }
    const bool opensWindow = c.id == ID_VIEW_STATUS || c.id == ID_EDIT_TROUBLESHOOT_S_COMM;
    EXPECT_EQ(ChildCount(), windows + (opensWindow ? 1 : 0));
    dialogs_.pick = 5;
    if (c.id == ID_EDIT_REMOVE) Std().NetOpt().Network().InsertNew(5, Node(InstrCodes().front()));
    if (c.id == ID_EDIT_LOGIN) Std().SetUserLogged(false);
    if (c.id == ID_EDIT_LOGIN_SUP) Std().SetSupLogged(false);
    // Periodic reception left on would have the executor read instrument 5
    // and tell of it while the later cases run.
    if (c.id == ID_EDIT_RX) Std().NetOpt().SetRxEnabled(false);
    if (c.id == ID_EDIT_LANGUAGE) Std().SetLanguage(0);
  }
  EXPECT_EQ(views_.forms, std::vector<int>{5});
  EXPECT_EQ(activity_.Count(L"Rx enable set to on"), 1);
}

TEST_F(DocCommandsTest, RefusalsChangeNothingBeyondTheMenuRedraw) {
  struct Refusal {
    const char* name;
    int id;
    std::function<void()> arrange;
  };
  const Refusal refusals[] = {
      {"access failed", ID_EDIT_ADD, [this] { views_.answer = false; }},
      {"picker cancelled", ID_EDIT_ADD, [this] { dialogs_.pick = 0; }},
      {"address present", ID_EDIT_ADD, [this] { dialogs_.pick = 5; }},
      {"empty type", ID_EDIT_ADD, [this] { dialogs_.type.clear(); }},
      {"same language", ID_EDIT_LANGUAGE, [this] { dialogs_.language = 0; }},
      {"cancelled rows", ID_EDIT_ROWSPERCOLUMN, [this] { dialogs_.ok = false; }},
      {"cancelled edit", ID_EDIT_EDIT, [this] { dialogs_.ok = false; }},
      {"access failed on reception", ID_EDIT_RX, [this] { views_.answer = false; }},
  };
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.name);
    dialogs_ = DialogsDouble();
    dialogs_.type = InstrCodes().front();
    dialogs_.events = &events_;
    dialogs_.pick = 7;
    views_.answer = true;
    r.arrange();
    events_.clear();
    Std().SetModified(false);
    main_->RouteCommand(r.id);
    PumpEvents();
    EXPECT_FALSE(Std().IsModified());
    EXPECT_FALSE(Std().NetOpt().Network().IsPresent(7));
    EXPECT_FALSE(Std().NetOpt().RxEnabled());
    EXPECT_EQ(Std().GetLanguage(), 0u);
    for (const std::string& e : events_) EXPECT_EQ(e.rfind("signal", 0), std::string::npos) << e;
  }
}

TEST_F(DocCommandsTest, RemoveSignalsInsideThePauseAndAddAfterIt) {
  main_->RouteCommand(ID_EDIT_REMOVE);
  EXPECT_TRUE(closingAtSignal_);
  EXPECT_FALSE(Std().IsClosing());
  dialogs_.pick = 7;
  main_->RouteCommand(ID_EDIT_ADD);
  EXPECT_FALSE(closingAtSignal_);
}

TEST_F(DocCommandsTest, AnAddThatThrowsEndsThePauseAndReachesTheLoop) {
  dialogs_.pick = 7;
  dialogs_.type = L"no such type";
  EXPECT_ANY_THROW(main_->RouteCommand(ID_EDIT_ADD));
  EXPECT_FALSE(Std().IsClosing());
  EXPECT_FALSE(Std().NetOpt().Network().IsPresent(7));
}

TEST_F(DocCommandsTest, CancellingTheAddedInstrumentsEditKeepsItWithDefaultOptions) {
  dialogs_.pick = 7;
  dialogs_.ok = false;
  main_->RouteCommand(ID_EDIT_ADD);
  EXPECT_TRUE(Std().NetOpt().Network().IsPresent(7));
  EXPECT_TRUE(Std().IsModified());
  EXPECT_EQ(events_.back(), Signal(7, dsAddInstr));
}

TEST_F(DocCommandsTest, LoginWhileLoggedInLogsOutWithoutAskingAndAWrongPasswordLeavesItOff) {
  Std().SetUserLogged(true);
  main_->RouteCommand(ID_EDIT_LOGIN);
  EXPECT_FALSE(Std().IsUserLogged());
  EXPECT_EQ(views_.asks, 0);
  views_.answer = false;
  main_->RouteCommand(ID_EDIT_LOGIN);
  EXPECT_FALSE(Std().IsUserLogged());
  EXPECT_EQ(views_.asks, 1);
  EXPECT_EQ(std::count(events_.begin(), events_.end(), Signal(0, dsLogin)), 2);
  EXPECT_FALSE(Std().IsModified());
}

TEST_F(DocCommandsTest, CancellingAPasswordChangeStillMarksTheDocumentModified) {
  dialogs_.ok = false;
  main_->RouteCommand(ID_EDIT_CHANGE_PASS);
  EXPECT_EQ(Std().GetPass(), L"pw");
  EXPECT_TRUE(Std().IsModified());
}

TEST_F(DocCommandsTest, EveryAccessCheckedCommandAsksAgainWhileNobodyIsLoggedIn) {
  dialogs_.ok = false;
  for (int i = 0; i < 3; ++i) main_->RouteCommand(ID_EDIT_GLOBAL);
  EXPECT_EQ(views_.asks, 3);
  views_.asks = 0;
  main_->RouteCommand(ID_EDIT_TEST_THE_ALARM_PROGR);
  EXPECT_EQ(views_.asks, 0);
}

}  // namespace
