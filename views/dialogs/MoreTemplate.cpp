#include "views/dialogs/MoreTemplate.h"

#include <algorithm>
#include <string>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/GroupTables.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/Tokens.h"
#include "network/nodes/Node.h"
#include "network/nodes/ParameterRuns.h"
#include "platform/gui/WindowStyles.h"
#include "views/dialogs/InterfWin.h"
#include "views/dialogs/MoreTable.h"

namespace PardeloStravon {
namespace {

using namespace Platform;

constexpr WinStyle ChildStyle = WS_CHILD | WS_VISIBLE;
constexpr WinStyle HeaderStyle = ChildStyle | SS_CENTERIMAGE;
constexpr WinStyle EditStyle = ChildStyle | WS_TABSTOP | ES_MULTILINE;
constexpr WinStyle CheckStyle = ChildStyle | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr int RowHeight = 8;
constexpr int RowStep = 9;

struct Column {
  int x;
  int width;
  bool edit;
  bool fixed;
};

// x, width, kind and whether the user may change it, by column number.
const Column Columns[MoreColumns] = {
    {10, 30, true, true},   {50, 80, true, true},    {140, 8, false, true},   {158, 80, true, false},
    {248, 8, false, false}, {266, 80, true, true},   {356, 8, false, true},   {374, 80, true, false},
    {464, 8, false, false}, {482, 80, true, true},   {572, 8, false, true},   {590, 8, false, true},
    {608, 8, false, true},  {626, 80, true, false},  {716, 8, false, false},  {734, 8, false, false},
    {752, 8, false, false}, {482, 80, true, true},   {572, 8, false, true},   {608, 8, false, true},
    {626, 80, true, false}, {716, 8, false, false},  {752, 8, false, false},  {482, 80, true, true},
    {572, 8, false, true},  {608, 8, false, true},   {626, 80, true, false},  {716, 8, false, false},
    {752, 8, false, false},
};

class Layout {
 public:
  Layout(std::vector<std::vector<int>>& ids, std::vector<InterfItem>& items) : ids_(ids), items_(items) {}

  // A window with the next identifier.
  int Add(int atom, WinStyle style, const std::wstring& text, int x, int y, int cx, int cy) {
    const int id = next_++;
    items_.emplace_back(id, atom, style, text, x, y, cx, cy, 0, 0, L"");
    return id;
  }

  void AddStatic(const std::wstring& text, int x, int y, int cx) {
    Add(ClassStatic, HeaderStyle, text, x, y, cx, RowHeight);
  }

  void AddCell(int column, int row, int y, bool enabled = true) {
    const Column& c = Columns[column];
    WinStyle style = c.edit ? EditStyle : CheckStyle;
    if (c.fixed || !enabled) style |= WS_DISABLED;
    const int id = Add(c.edit ? ClassEdit : ClassButton, style, c.edit ? L"." : L"", c.x, y, c.width, RowHeight);
    ids_.at(static_cast<std::size_t>(column)).at(static_cast<std::size_t>(row)) = id;
  }

 private:
  std::vector<std::vector<int>>& ids_;
  std::vector<InterfItem>& items_;
  int next_ = MoreFirstId;
};

std::wstring Text(const std::wstring& token) { return DictText(token); }

}  // namespace

VUC BuildMoreTemplate(const InstrPars& pars, std::vector<std::vector<int>>& ids, int& width, int& height,
                      bool supervisor, std::vector<InterfItem>& items) {
  items.clear();
  items.emplace_back(0, 0,
                     WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_VSCROLL | WS_HSCROLL | WS_SYSMENU | WS_THICKFRAME |
                         WS_MAXIMIZEBOX | DS_SETFONT,
                     Text(CTW_MoreInOpt), 0, 0, 356, 250, 0, 0, L"");
  Layout layout(ids, items);

  const std::wstring buttons[] = {CTW_OK, CTW_Cancel, CTW_Default, CTW_Refresh};
  for (int b = 0; b < 4; ++b)
    layout.Add(ClassButton, ChildStyle | WS_TABSTOP | BS_PUSHBUTTON, Text(buttons[b]), 10 + 50 * b, 1, 40, 15);
  width = std::max(width, 210);

  const struct {
    std::wstring text;
    int x, y, cx;
  } headers[] = {
      {Text(CTW_Status_W), 50, 17, 206},  {Text(CTW_Graphic_W), 266, 17, 206}, {Text(CTW_Form_W), 482, 17, 98},
      {Text(CTW_Pass_free), 590, 17, 16}, {L"|->|", 608, 17, 124},             {Text(CTW_Pass_free), 734, 17, 16},
      {L"|->|", 752, 17, 16},             {Text(CTW_Default), 50, 26, 98},     {Text(CTW_Option), 158, 26, 98},
      {Text(CTW_Default), 266, 26, 98},   {Text(CTW_Option), 374, 26, 98},     {Text(CTW_Default), 482, 26, 134},
      {Text(CTW_Option), 626, 26, 134},
  };
  for (const auto& h : headers) layout.AddStatic(h.text, h.x, h.y, h.cx);
  width = std::max(width, 760);

  // Titles stand where the keys of neighbouring rows change; their cells are
  // kept at the row where the run of all parameters begins.
  const std::vector<ParameterRun> runs = ParameterRuns(pars);
  int subRow = 0, grpRow = 0;
  std::wstring lastGroup, lastSub;
  int y = 35;
  for (std::size_t i = 0; i < pars.size(); ++i) {
    if (runs[i].startsSub) subRow = static_cast<int>(i);
    if (runs[i].startsGrp) grpRow = static_cast<int>(i);
    const InstrParPure& p = *pars[i];
    if (p.ParIsPad() || p.ParIsSlave()) continue;
    const GroupSubRec& sub = p.ParSubGroup();
    const GroupRec& grp = GroupRecAt(sub.groupSubGroup);
    if (grp.groupId != lastGroup) {
      lastGroup = grp.groupId;
      y += RowStep;
      layout.AddStatic(DictTextAt(static_cast<std::size_t>(grp.groupDlg)), 50, y, 98);
      for (int column = colGrpTitle; column <= colGrpNewColOpt; ++column) layout.AddCell(column, grpRow, y);
      y += RowStep;
    }
    if (sub.groupSubId != lastSub) {
      lastSub = sub.groupSubId;
      layout.AddStatic(DictTextAt(static_cast<std::size_t>(sub.groupSubDlg)), 50, y, 98);
      for (int column = colSubTitle; column <= colSubNewColOpt; ++column) layout.AddCell(column, subRow, y);
      y += RowStep;
    }
    const int row = static_cast<int>(i);
    for (int column = colValue; column <= colFrmNewCol; ++column) {
      if ((column == colFormFree || column == colFrmFree) && !p.ParIsSet()) continue;
      layout.AddCell(column, row, y, column != colFrmFree || (supervisor && !p.ParIsMaNetAdd()));
    }
    y += RowStep;
  }
  height = std::max(height, y);
  return InterfWin(items).WinTemplate();
}

MoreLayout MakeMoreLayout(Node& node, bool supervisor, bool tmDhms, std::vector<InterfItem>& items) {
  const InstrPars pars = node.Type().Pars();
  MoreLayout layout;
  layout.pNode_ = &node;
  layout.ids_.assign(MoreColumns, std::vector<int>(pars.size(), 0));
  layout.tmDhms_ = tmDhms;
  BuildMoreTemplate(pars, layout.ids_, layout.width_, layout.height_, supervisor, items);
  return layout;
}

}  // namespace PardeloStravon
