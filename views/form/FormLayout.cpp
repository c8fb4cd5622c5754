#include "views/form/FormLayout.h"

#include <algorithm>
#include <cstdlib>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/InstrParPure.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/Tokens.h"
#include "network/nodes/Node.h"
#include "platform/Utf.h"
#include "platform/gui/WindowStyles.h"

namespace PardeloStravon {
namespace {

using namespace Platform;

constexpr WinStyle FormStyle = WS_CHILD | DS_SETFONT | DS_FIXEDSYS;
constexpr WinStyle ButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr WinStyle TitleStyle = WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE;
constexpr WinStyle BoxStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr WinStyle EditStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_RIGHT;

constexpr int Pitch = 9;
constexpr int ColumnTop = FormColumnTop;
constexpr int FirstColumn = 2;
constexpr int LabelWidth = 72;
constexpr int MinWidth = 462;

class Columns {
 public:
  Columns(int rows, int columnWidth) : rows_(std::max(rows, 1)), columnWidth_(columnWidth) {}

  // Room for a block of k more rows: a new column when asked, or when the
  // block would cross the end of the column.
  void PlaceBlock(int k, bool newColumn) {
    bool start = newColumn;
    for (int r = count_; !start && r <= count_ + k; ++r) start = r % rows_ == 0;
    if (!start || y_ == ColumnTop) return;
    x_ += columnWidth_;
    y_ = ColumnTop;
    count_ = (count_ + rows_ - 1) / rows_ * rows_;
  }

  void BlankLine() {
    if (y_ != ColumnTop) y_ += Pitch;
  }

  void NextRow() {
    y_ += Pitch;
    ++count_;
  }

  int x_ = FirstColumn;
  int y_ = ColumnTop;
  int count_ = 0;

 private:
  int rows_;
  int columnWidth_;
};

}  // namespace

int FormFontSize(int lfHeight) { return std::abs(lfHeight) * 12 / 27; }

FormLayout LayOutForm(const FormLayoutInput& in) {
  const int valueWidth = in.dhms ? 42 : 32;
  const int columnWidth = valueWidth + 77;
  const int titleWidth = valueWidth + 74;

  FormLayout out;
  std::vector<InterfItem>& items = out.items;
  items.emplace_back(0, 0, FormStyle, in.title, 0, 0, 0, 0, 0, FormFontSize(in.lfHeight), in.face);
  for (int k = 0; k < 6; ++k)
    items.emplace_back(FormButtonFirst + k, ClassButton, ButtonStyle, in.buttons[k], 2 + 62 * k, -1, 60, 13, 0, 0,
                       L"");
  const wchar_t* pages[4] = {L"|<", L"<", L">", L">|"};
  for (int k = 0; k < 4; ++k)
    items.emplace_back(FormButtonFirst + 6 + k, ClassButton, ButtonStyle, pages[k], 374 + 22 * k, -1, 20, 13, 0, 0,
                       L"");

  const std::size_t n = in.pars.size();
  out.rows.assign(n, {0, false});
  Columns col(in.rows, columnWidth);
  int nextId = FormFirstControlId;
  int lastGroup = -1;
  int lastSub = -1;
  int height = 0;
  auto add = [&](int atom, WinStyle style, const std::wstring& text, int x, int cx, int cy, WinStyle ex) {
    items.emplace_back(nextId, atom, style, text, x, col.y_, cx, cy, ex, 0, L"");
    return nextId++;
  };

  for (std::size_t i = 0; i < n; ++i) {
    const FormPar& p = in.pars[i];
    const InstrParOptFrm& f = in.frm.at(i);
    if (p.pad || p.slave || (!in.supervisor && !f.frmDefOpt_)) continue;
    const int subIdx = f.frmSubIdx_;
    const InstrParOptFrmSub& s = in.frmSub.at(subIdx);
    const int grpIdx = s.frmGrpIdx_;
    const InstrParOptFrmGrp& g = in.frmGrp.at(grpIdx);

    if (g.frmDefOptGrp_ && grpIdx != lastGroup) {
      lastGroup = grpIdx;
      col.BlankLine();
      col.PlaceBlock(3, g.frmGrpNewCol_);
      add(ClassStatic, TitleStyle, g.frmTextOptGrp_, col.x_, titleWidth - 2, 10, 0);
      col.NextRow();
    }
    if (s.frmDefOptSub_ && subIdx != lastSub) {
      lastSub = subIdx;
      col.PlaceBlock(1, s.frmSubNewCol_);
      add(ClassStatic, TitleStyle, s.frmTextOptSub_, col.x_, titleWidth - 2, 10, 0);
      col.NextRow();
    }
    col.PlaceBlock(0, f.frmNewCol_);
    add(ClassStatic, TitleStyle, f.frmTextOpt_, col.x_, LabelWidth - 2, 10, 0);

    const bool editable = (f.frmFreeOpt_ || in.supervisor) && p.set && !p.maNetAdd && !p.ro;
    if (p.isBool) {
      const WinStyle style = BoxStyle | (editable ? BS_AUTO3STATE : BS_3STATE);
      out.rows[i] = {add(ClassButton, style, L"", col.x_ + 72, 9, 10, 0), true};
      if (p.bitMain && i + 1 < n && in.pars[i + 1].bitSub) {
        out.rows[i + 1] = {add(ClassButton, style, L"", col.x_ + 83, 9, 10, 0), true};
        ++i;
      }
    } else {
      const WinStyle style = EditStyle | (editable ? 0 : ES_READONLY);
      out.rows[i] = {add(ClassEdit, style, L".", col.x_ + 72, valueWidth, 11, WS_EX_CLIENTEDGE), false};
    }
    col.NextRow();
    height = std::max(height, col.y_);
  }

  items[0].cx_ = std::max(MinWidth, col.x_ + columnWidth);
  items[0].cy_ = height + 1;
  return out;
}

FormLayoutInput FormInputOf(const Node& node, bool supervisor, int rows, bool dhms, const LOGFONTW& font) {
  FormLayoutInput in;
  for (const InstrParPure* par : node.Type().Pars()) {
    FormPar p;
    p.pad = par->ParIsPad();
    p.slave = par->ParIsSlave();
    p.set = par->ParIsSet();
    p.maNetAdd = par->ParIsMaNetAdd();
    p.ro = par->ParIsRO();
    p.bitMain = par->ParIsBitMain();
    p.bitSub = par->ParIsBitSub();
    p.isBool = par->ParRange()->BitCount() == 1;
    in.pars.push_back(p);
  }
  in.frm = node.OptFrm();
  in.frmSub = node.OptFrmSub();
  in.frmGrp = node.OptFrmGrp();
  in.supervisor = supervisor;
  in.rows = rows;
  in.dhms = dhms;
  in.lfHeight = font.lfHeight;
  std::u16string face;
  for (int i = 0; i < 32 && font.lfFaceName[i]; ++i) face += font.lfFaceName[i];
  in.face = Platform::Utf16ToWide(face);
  in.title = DictText(CTW_Program_Title);
  const std::wstring* tokens[6] = {&CTW_Refresh,  &CTW_Receive_Status, &CTW_Receive_Set,
                                   &CTW_Send_Set, &CTW_Save_Set,       &CTW_Load_Set};
  for (int k = 0; k < 6; ++k) in.buttons[k] = DictText(*tokens[k]);
  return in;
}

}  // namespace PardeloStravon
