#include "document/gui/DocCommands.h"

#include <functional>

#include "document/Access.h"
#include "document/QziDocIGph.h"
#include "document/QziDocIMFC.h"
#include "document/QziDocIStd.h"
#include "document/ViewServices.h"
#include "document/gui/CommandDialogs.h"
#include "document/gui/DocTemplates.h"
#include "document/gui/Launchers.h"
#include "document/gui/MainFrameBase.h"
#include "document/gui/MenuUi.h"
#include "document/gui/QziDoc.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/Defaults.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/TimeStamp.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/Node.h"
#include "network/schedule/AlarmScriptCommands.h"
#include "platform/gui/ProgramIds.h"
#include "platform/gui/ResourceIds.h"

namespace PardeloStravon {
namespace {

using namespace Platform;

// The graph options are changed as a whole: a copy, one field, stored back.
template <class Change>
void ChangeGraphOptions(QziDoc& doc, Change change) {
  std::shared_ptr<QziDocIGph> gph = doc.GetF()->GetIGph();
  GraphOptions copy = gph->gO_;
  change(copy);
  gph->gO_ = copy;
}

void FontCommand(QziDoc& doc, int id) {
  RedrawMenu();
  QziDocIStd& std = doc.Std();
  std::shared_ptr<QziDocIMFC> mfc = doc.GetF()->GetIMFC();
  std::shared_ptr<QziDocIGph> gph = doc.GetF()->GetIGph();
  if (!CheckUserAccess(std)) return;
  struct Target {
    LOGFONTW* font;
    unsigned long* colour;
    DocSignal signal;
  };
  GraphOptions graph = gph->gO_;
  Target t{};
  switch (id) {
    case ID_EDIT_FONT_OPTION: t = {&mfc->oLF_.get(), &mfc->oRGB_.get(), dsFontOptions}; break;
    case ID_EDIT_FONTFORSTATUS: t = {&mfc->sLF_.get(), &mfc->sRGB_.get(), dsFontStatus}; break;
    case ID_EDIT_FONTFORPROGRAM: t = {&mfc->pLF_.get(), &mfc->pRGB_.get(), dsFontProgram}; break;
    default: t = {&graph.gLF_.get(), &graph.gRGB_.get(), dsGraphFormat}; break;
  }
  LOGFONTW font = *t.font;
  unsigned long colour = *t.colour;
  if (!Dialogs().ChooseFont(&font, &colour)) return;
  *t.font = font;
  *t.colour = colour;
  if (id == ID_EDIT_FONTFORGRAPH) {
    GraphOptions fresh = gph->gO_;
    fresh.gLF_ = font;
    fresh.gRGB_ = colour;
    gph->gO_ = fresh;
  }
  std.SetModified(true);
  std.EmitDocSignal(0, t.signal);
}

template <class T, class Get, class Set>
void FloatCommand(QziDoc& doc, float def, const std::wstring& token, Get get, Set set) {
  RedrawMenu();
  std::shared_ptr<QziDocIGph> gph = doc.GetF()->GetIGph();
  GraphOptions copy = gph->gO_;
  if (!CheckUserAccess(doc.Std())) return;
  T value{};
  if (!Dialogs().InputFloat(get(copy), def, &value, DictText(token))) return;
  set(copy, value);
  gph->gO_ = copy;
  doc.Std().SetModified(true);
  doc.Std().EmitDocSignal(0, dsGraphFormat);
}

void OpenView(QziDoc& doc, MyCMultiDocTemplate*& (TheAppIMFC::*which)()) {
  if (TheAppIMFC* templates = TheTemplates()) OpenViewFromTemplate((templates->*which)(), &doc);
}


}  // namespace

void AddDocCommands(QziDoc& doc) {
  CommandTarget& t = doc.Target();
  QziDoc* d = &doc;

  t.OnCommand(ID_EDIT_EDIT, [d] {
    QziDocIStd& std = d->Std();
    const bool sup = HasSupervisorAccess(std);
    const bool dhms = std.GetTmDhms();
    if (!CheckUserAccess(std)) return;
    const int address = Dialogs().PickInstrument(std, 2);
    if (address == 0) return;
    if (!Dialogs().EditNode(std.NetOpt().Network(), address, sup, dhms)) return;
    std.SetModified(true);
    RedrawMenu();
    CopyAdvancedOptionsAll(std.NetOpt().Network());
    std.EmitDocSignal(address, dsEditInstr);
  });

  t.OnCommand(ID_EDIT_ADD, [d] {
    RedrawMenu();
    QziDocIStd& std = d->Std();
    if (!CheckUserAccess(std)) return;
    const int address = Dialogs().PickInstrument(std, 1);
    if (address == 0 || std.NetOpt().Network().IsPresent(address)) return;
    const std::wstring code = Dialogs().PickInstrType(InstrCodes());
    if (code.empty()) return;
    {
      NetPauseGuard pause = std.PauseNet();
      std.NetOpt().Network().InsertNew(address, Node(code));
      std.SetModified(true);
    }
    // The new instrument stays, with default options, when this is cancelled.
    Dialogs().EditNode(std.NetOpt().Network(), address, HasSupervisorAccess(std), std.GetTmDhms());
    std.EmitDocSignal(address, dsAddInstr);
  });

  t.OnCommand(ID_EDIT_REMOVE, [d] {
    RedrawMenu();
    QziDocIStd& std = d->Std();
    if (!CheckUserAccess(std)) return;
    const int address = Dialogs().PickInstrument(std, 2);
    if (address == 0) return;
    NetPauseGuard pause = std.PauseNet();
    InstrNet& net = std.NetOpt().Network();
    if (net.IsPresent(address)) net.ErasePresent(address);
    std.SetModified(true);
    CopyAdvancedOptionsAll(net);
    std.EmitDocSignal(address, dsRemoveInstr);
  });

  t.OnCommand(ID_EDIT_PROGRAM, [d] {
    RedrawMenu();
    QziDocIStd& std = d->Std();
    if (!CheckUserAccess(std)) return;
    const int address = Dialogs().PickInstrument(std, 2);
    if (address == 0) return;
    std.NetOpt().Network().GetPresent(address).OpenProgramForm(std, address);
  });

  t.OnCommand(ID_EDIT_GLOBAL, [d] {
    RedrawMenu();
    QziDocIStd& std = d->Std();
    if (!CheckUserAccess(std)) return;
    if (Dialogs().EditGlobalOptions(std.NetOpt())) std.SetModified(true);
  });

  t.OnCommand(ID_EDIT_RX, [d] {
    RedrawMenu();
    QziDocIStd& std = d->Std();
    if (!CheckUserAccess(std)) return;
    std.NetOpt().SetRxEnabled(!std.NetOpt().RxEnabled());
    std.SetModified(true);
    std.EmitDocSignal(0, dsRxEnable);
    ActivityLog << (L"\n" + TimeStamp() + L" " +
                    (std.NetOpt().RxEnabled() ? L"Rx enable set to on" : L"Rx enable set to off"));
  });

  t.OnCommand(ID_EDIT_TROUBLESHOOT_S_COMM, [d] {
    RedrawMenu();
    QziDocIStd& std = d->Std();
    if (!CheckUserAccess(std)) return;
    const bool was = std.NetOpt().TroubleshootSerial();
    std.NetOpt().SetTroubleshootSerial(!was);
    if (was) return;
    OpenView(*d, &TheAppIMFC::TplSer);
  });

  t.OnCommand(ID_EDIT_LANGUAGE, [d] {
    QziDocIStd& std = d->Std();
    if (!CheckUserAccess(std)) return;
    int n = static_cast<int>(std.GetLanguage());
    if (!Dialogs().SelectLanguage(&n)) return;
    std.SetLanguage(static_cast<std::size_t>(n));
  });

  struct Login {
    int id;
    bool (QziDocIStd::*logged)() const;
    void (QziDocIStd::*set)(bool);
    bool (QziDocIStd::*check)();
    DocSignal signal;
  };
  for (const Login& l : {Login{ID_EDIT_LOGIN, &QziDocIStd::IsUserLogged, &QziDocIStd::SetUserLogged,
                               &QziDocIStd::CheckPass, dsLogin},
                         Login{ID_EDIT_LOGIN_SUP, &QziDocIStd::IsSupLogged, &QziDocIStd::SetSupLogged,
                               &QziDocIStd::CheckPassSup, dsLoginSup}}) {
    t.OnCommand(l.id, [d, l] {
      RedrawMenu();
      QziDocIStd& std = d->Std();
      // Logged in: out without a question.
      const bool now = !(std.*l.logged)() && (std.*l.check)();
      (std.*l.set)(now);
      std.EmitDocSignal(0, l.signal);
    });
  }

  t.OnCommand(ID_EDIT_CHANGE_PASS, [d] {
    RedrawMenu();
    QziDocIStd& std = d->Std();
    std.SetPass(Dialogs().ChangePassword(std.GetPass()));
  });
  t.OnCommand(ID_EDIT_CHANGE_PASS_SUP, [d] {
    RedrawMenu();
    QziDocIStd& std = d->Std();
    std.SetPassSup(Dialogs().ChangePassword(std.GetPassSup()));
  });

  for (int id : {ID_EDIT_FONT_OPTION, ID_EDIT_FONTFORSTATUS, ID_EDIT_FONTFORPROGRAM, ID_EDIT_FONTFORGRAPH})
    t.OnCommand(id, [d, id] { FontCommand(*d, id); });

  t.OnCommand(ID_EDIT_ROWSPERCOLUMN, [d] {
    RedrawMenu();
    QziDocIStd& std = d->Std();
    const int rows = std.GetPrgRows();
    if (!CheckUserAccess(std)) return;
    int value = 0;
    if (!Dialogs().InputInt(rows, CI_Prg_Rows, &value, DictText(CTW_ID_EDIT_ROWSPERCOLUMN))) return;
    std.SetModified(true);
    std.SetPrgRows(value);
    std.EmitDocSignal(0, dsProgramLayout);
  });
  t.OnCommand(ID_Graph_Line_Thickness, [d] {
    FloatCommand<float>(
        *d, CCPGL_line_width, CTW_Gr_Line_Thickness, [](const GraphOptions& g) { return g.gphLTh_.get(); },
        [](GraphOptions& g, float v) { g.gphLTh_ = v; });
  });
  t.OnCommand(ID_EDIT_GRAPHICDATEANGLE, [d] {
    FloatCommand<float>(
        *d, CCPGL_time_angle, CTW_Gr_Date_Angle, [](const GraphOptions& g) { return g.gphDAg_.get(); },
        [](GraphOptions& g, float v) { g.gphDAg_ = v; });
  });
  struct TextValue {
    int id;
    const std::wstring* token;
    bool date;
  };
  for (const TextValue& v : {TextValue{ID_EDIT_DATEFORMAT, &CTW_Date_Format, true},
                             TextValue{ID_GRAPHIC_NUMBER_FORMAT, &CTW_Gph_Nr_Fmt, false}}) {
    t.OnCommand(v.id, [d, v] {
      RedrawMenu();
      std::shared_ptr<QziDocIGph> gph = d->GetF()->GetIGph();
      GraphOptions copy = gph->gO_;
      if (!CheckUserAccess(d->Std())) return;
      const std::wstring current = v.date ? copy.dteFmt_.get().Text() : copy.gphNFm_.get();
      const std::wstring def = v.date ? CCS_DATE_FORMAT.Text() : CCPGLGphNrFmt;
      std::wstring value;
      if (!Dialogs().InputText(current, def, &value, DictText(*v.token))) return;
      if (v.date) copy.dteFmt_ = CString(value);
      else copy.gphNFm_ = value;
      gph->gO_ = copy;
      d->Std().SetModified(true);
      d->Std().EmitDocSignal(0, dsGraphFormat);
    });
  }
  struct Toggle {
    int id;
    std::function<void(GraphOptions&)> flip;
  };
  for (const Toggle& toggle :
       {Toggle{ID_EDIT_DATE_RIGHT_ALIGN, [](GraphOptions& g) { g.gphDRA_ = !g.gphDRA_.get(); }},
        Toggle{ID_EDIT_GRAPHIC_SPACING, [](GraphOptions& g) { g.gphRSp_ = !g.gphRSp_.get(); }}}) {
    t.OnCommand(toggle.id, [d, flip = toggle.flip] {
      RedrawMenu();
      if (!CheckUserAccess(d->Std())) return;
      ChangeGraphOptions(*d, flip);
      d->Std().SetModified(true);
      d->Std().EmitDocSignal(0, dsGraphFormat);
    });
  }
  t.OnCommand(ID_EDIT_TIME_INTERVALS_AS_DHMS, [d] {
    RedrawMenu();
    QziDocIStd& std = d->Std();
    if (!CheckUserAccess(std)) return;
    std.SetTmDhms(!std.GetTmDhms());
    std.SetModified(true);
    std.EmitDocSignal(0, dsProgramLayout);
    std.EmitDocSignal(0, dsTimeFormat);
  });

  t.OnCommand(ID_EDIT_MODIFY_THE_ALARM_PROGR, [d] {
    RedrawMenu();
    if (!CheckUserAccess(d->Std())) return;
    EditTheAlarm(d->Std());
  });
  t.OnCommand(ID_EDIT_TEST_THE_ALARM_PROGR, [d] {
    RedrawMenu();
    TestAlarm(d->Std());
  });

  t.OnCommand(ID_VIEW_OPTIONS, [d] {
    RedrawMenu();
    OpenView(*d, &TheAppIMFC::TplOpt);
  });
  t.OnCommand(ID_VIEW_STATUS, [d] {
    RedrawMenu();
    OpenView(*d, &TheAppIMFC::TplSts);
  });
  t.OnCommand(ID_VIEW_GRAPHIC, [d] {
    RedrawMenu();
    QziDocIStd& std = d->Std();
    const int address = Dialogs().PickInstrument(std, 2);
    if (address == 0) return;
    std::time_t from = 0, to = 0;
    bool follow = false;
    if (!Dialogs().PickFromTo(&from, &to, &follow)) return;
    Views().NewGraphic(d, address, from, to, follow, false);
  });

  t.OnCommand(ID_INSTRUMENT_USER_MANUALS, [] {
    RedrawMenu();
    InstrumentUserManual();
  });
  t.OnCommand(ID_PROGRAM_HELP, [] {
    RedrawMenu();
    GlaciraMonitorHelp();
  });

  t.OnCommand(ID_FILE_SAVE_AS, [d] { d->FileSaveAs(); });
  t.OnCommand(ID_FILE_SAVE, [d] { d->FileSave(); });
  t.OnCommand(ID_FILE_CLOSE, [d] { d->FileClose(); });
  t.OnCommand(ID_RUN_GUI_TASKS, [d] { d->Std().RunGuiTasks(); });

  AddDocUpdateEntries(doc);
}

const std::vector<MenuItemToken>& MenuItemTokens() {
  static const std::vector<MenuItemToken> entries = {
      {ID_FILE_NEW, &CTW_ID_FILE_NEW},
      {ID_FILE_OPEN, &CTW_ID_FILE_OPEN},
      {ID_FILE_CLOSE, &CTW_ID_FILE_CLOSE},
      {ID_FILE_SAVE, &CTW_ID_FILE_SAVE},
      {ID_FILE_SAVE_AS, &CTW_ID_FILE_SAVE_AS},
      {ID_FILE_PRINT, &CTW_ID_FILE_PRINT},
      {ID_FILE_PRINT_PREVIEW, &CTW_ID_FILE_PRINT_PREVIEW},
      {ID_FILE_PRINT_SETUP, &CTW_ID_FILE_PRINT_SETUP},
      {ID_EDIT_UNDO, &CTW_ID_EDIT_UNDO},
      {ID_EDIT_CUT, &CTW_ID_EDIT_CUT},
      {ID_EDIT_COPY, &CTW_ID_EDIT_COPY},
      {ID_EDIT_PASTE, &CTW_ID_EDIT_PASTE},
      {ID_EDIT_LANGUAGE, &CTW_ID_EDIT_LANGUAGE},
      {ID_EDIT_LOGIN, &CTW_ID_EDIT_LOGIN},
      {ID_EDIT_LOGIN_SUP, &CTW_ID_EDIT_LOGIN_SUP},
      {ID_EDIT_CHANGE_PASS, &CTW_ID_EDIT_CHANGE_PASS},
      {ID_EDIT_CHANGE_PASS_SUP, &CTW_ID_EDIT_CHANGE_PASS_SUP},
      {ID_EDIT_RX, &CTW_ID_EDIT_RX},
      {ID_EDIT_TROUBLESHOOT_S_COMM, &CTW_ID_EDIT_TROUBLESHOOT_S_COMM},
      {ID_EDIT_GLOBAL, &CTW_ID_EDIT_GLOBAL},
      {ID_EDIT_FONT_OPTION, &CTW_ID_EDIT_FONT_OPTION},
      {ID_EDIT_FONTFORSTATUS, &CTW_ID_EDIT_FONTFORSTATUS},
      {ID_EDIT_FONTFORPROGRAM, &CTW_ID_EDIT_FONTFORPROGRAM},
      {ID_EDIT_ROWSPERCOLUMN, &CTW_ID_EDIT_ROWSPERCOLUMN},
      {ID_EDIT_FONTFORGRAPH, &CTW_ID_EDIT_FONTFORGRAPH},
      {ID_GRAPHIC_NUMBER_FORMAT, &CTW_ID_GRAPHIC_NUMBER_FORMAT},
      {ID_EDIT_DATEFORMAT, &CTW_ID_EDIT_DATEFORMAT},
      {ID_EDIT_GRAPHICDATEANGLE, &CTW_ID_EDIT_GRAPHICDATEANGLE},
      {ID_EDIT_DATE_RIGHT_ALIGN, &CTW_ID_EDIT_DATE_RIGHT_ALIGN},
      {ID_EDIT_GRAPHIC_SPACING, &CTW_ID_EDIT_GRAPHIC_SPACING},
      {ID_Graph_Line_Thickness, &CTW_ID_Graph_Line_Thickness},
      {ID_EDIT_TIME_INTERVALS_AS_DHMS, &CTW_ID_EDIT_TIME_INTERVALS_AS_DHMS},
      {ID_EDIT_MODIFY_THE_ALARM_PROGR, &CTW_ID_EDIT_MODIFY_THE_ALARM_PROGR},
      {ID_EDIT_TEST_THE_ALARM_PROGR, &CTW_ID_EDIT_TEST_THE_ALARM_PROGR},
      {ID_EDIT_EDIT, &CTW_ID_EDIT_EDIT},
      {ID_EDIT_ADD, &CTW_ID_EDIT_ADD},
      {ID_EDIT_REMOVE, &CTW_ID_EDIT_REMOVE},
      {ID_EDIT_PROGRAM, &CTW_ID_EDIT_PROGRAM},
      {ID_VIEW_TOOLBAR, &CTW_ID_VIEW_TOOLBAR},
      {ID_VIEW_STATUS_BAR, &CTW_ID_VIEW_STATUS_BAR},
      {ID_VIEW_OPTIONS, &CTW_ID_VIEW_OPTIONS},
      {ID_VIEW_STATUS, &CTW_ID_VIEW_STATUS},
      {ID_VIEW_GRAPHIC, &CTW_ID_VIEW_GRAPHIC},
      {ID_VIEW_RX_STATUS, &CTW_ID_VIEW_RX_STATUS},
      {ID_VIEW_CLOSE_STATUS, &CTW_ID_VIEW_CLOSE_STATUS},
      {ID_WINDOW_NEW, &CTW_ID_WINDOW_NEW},
      {ID_WINDOW_CASCADE, &CTW_ID_WINDOW_CASCADE},
      {ID_WINDOW_TILE_HORZ, &CTW_ID_WINDOW_TILE_HORZ},
      {ID_WINDOW_ARRANGE, &CTW_ID_WINDOW_ARRANGE},
      {ID_INSTRUMENT_USER_MANUALS, &CTW_ID_INSTRUMENT_USER_MANUALS},
      {ID_PROGRAM_HELP, &CTW_ID_PROGRAM_HELP},
      {ID_APP_ABOUT, &CTW_ID_APP_ABOUT},
  };
  return entries;
}

void AddDocUpdateEntries(QziDoc& doc) {
  CommandTarget& t = doc.Target();
  QziDoc* d = &doc;
  for (const MenuItemToken& e : MenuItemTokens()) {
    const std::wstring* token = e.token;
    t.OnUpdate(e.id, [d, id = e.id, token](CmdUI& ui) {
      ui.SetText(DictText(*token));
      QziDocIStd& std = d->Std();
      const GraphOptions& g = d->GetF()->GetIGph()->gO_;
      switch (id) {
        case ID_EDIT_LOGIN: ui.SetCheck(std.IsUserLogged()); break;
        case ID_EDIT_LOGIN_SUP: ui.SetCheck(std.IsSupLogged()); break;
        case ID_EDIT_RX: ui.SetCheck(std.NetOpt().RxEnabled()); break;
        case ID_EDIT_TROUBLESHOOT_S_COMM: ui.SetCheck(std.NetOpt().TroubleshootSerial()); break;
        case ID_EDIT_DATE_RIGHT_ALIGN: ui.SetCheck(g.gphDRA_.get()); break;
        case ID_EDIT_GRAPHIC_SPACING: ui.SetCheck(g.gphRSp_.get()); break;
        case ID_EDIT_TIME_INTERVALS_AS_DHMS: ui.SetCheck(std.GetTmDhms()); break;
        case ID_VIEW_TOOLBAR:
        case ID_VIEW_STATUS_BAR:
          // The marks follow what shows, as the main frame says.
          if (MainFrameBase* main = TheMainFrame()) {
            CmdUI shown(id);
            if (main->Target().RunUpdate(shown) && shown.Checked()) ui.SetCheck(*shown.Checked());
          }
          break;
        default: break;
      }
    });
  }
}

}  // namespace PardeloStravon
