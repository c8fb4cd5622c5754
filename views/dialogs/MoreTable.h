#pragma once
// The advanced options table without windows: what each cell shows, what
// Default puts into the options and what OK reads back. The cells are
// reached by column and parameter row; a cell without a control is skipped.
#include <string>
#include <vector>

#include "foundation/catalogue/InstrParPure.h"
#include "network/nodes/InstrParOpt.h"

namespace PardeloStravon {

class Node;

// Columns of the table.
enum MoreColumn {
  colValue = 0,
  colStatusText = 1,
  colStatusDefault = 2,
  colStOpt = 3,
  colStDef = 4,
  colPlotText = 5,
  colPlotDefault = 6,
  colPltOpt = 7,
  colPltDef = 8,
  colFormText = 9,
  colFormShown = 10,
  colFormFree = 11,
  colFormNewCol = 12,
  colFrmOpt = 13,
  colFrmDef = 14,
  colFrmFree = 15,
  colFrmNewCol = 16,
  colSubTitle = 17,
  colSubShown = 18,
  colSubNewCol = 19,
  colSubOpt = 20,
  colSubDef = 21,
  colSubNewColOpt = 22,
  colGrpTitle = 23,
  colGrpShown = 24,
  colGrpNewCol = 25,
  colGrpOpt = 26,
  colGrpDef = 27,
  colGrpNewColOpt = 28,
  MoreColumns = 29
};

// The cell operations: each returns false, doing nothing, where the cell has
// no control.
class MoreCells {
 public:
  virtual ~MoreCells() = default;
  virtual bool SetCellText(int column, int row, const std::wstring& text) = 0;
  virtual bool SetCellCheck(int column, int row, int state) = 0;
  virtual bool GetCellText(int column, int row, std::wstring& text) = 0;
  virtual bool GetCellCheck(int column, int row, bool& check) = 0;
};

// The five vectors being edited (not owned).
struct MoreOptions {
  std::vector<InstrParOptSt>* pVIPOSt_;
  std::vector<InstrParOptPlt>* pVIPOPlt_;
  std::vector<InstrParOptFrm>* pVIPOFrm_;
  std::vector<InstrParOptFrmSub>* pVIPOFrmSub_;
  std::vector<InstrParOptFrmGrp>* pVIPOFrmGrp_;
};

// Shows the node's latest values, the catalogue's defaults and the options;
// whatever was typed into the cells is replaced.
void RefreshCells(MoreCells& cells, const Node& node, const MoreOptions& options, bool tmDhms);

// Puts the catalogue's defaults into the options, for every parameter,
// those without a row included.
void DefaultOptions(const InstrPars& pars, const MoreOptions& options);

// Reads every editable cell that has a control into the options.
void ReadCells(MoreCells& cells, const MoreOptions& options);

}  // namespace PardeloStravon
