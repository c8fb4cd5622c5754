#pragma once
// The advanced options dialog: one table of a node's per-parameter display
// options beside the catalogue's defaults, scrolled inside a maximised
// dialog. It edits copies; the caller keeps them only when it ends with OK.
#include <unordered_map>
#include <vector>

#include "network/nodes/InstrParOpt.h"
#include "views/dialogs/DlgScroll.h"
#include "views/dialogs/MoreTable.h"
#include "views/dialogs/MoreTemplate.h"

class wxCommandEvent;
class wxKeyEvent;

namespace PardeloStravon {

class Node;

class EOMore : public Scroll::DlgScroll, private MoreCells {
 public:
  // The items are those BuildMoreTemplate handed out with the layout.
  EOMore(std::vector<InstrParOptSt>* pVIPOSt, std::vector<InstrParOptPlt>* pVIPOPlt,
         std::vector<InstrParOptFrm>* pVIPOFrm, std::vector<InstrParOptFrmSub>* pVIPOFrmSub,
         std::vector<InstrParOptFrmGrp>* pVIPOFrmGrp, MoreLayout layout, const std::vector<InterfItem>& items);

  // Shows the node's values and the copies; drops what was typed.
  void Refresh();
  // The catalogue's defaults into the copies, then Refresh.
  void OnDefault();
  // Every editable cell into the copies.
  void ReadControls();

  const MoreLayout& Layout() const { return layout_; }

  bool SetCellText(int column, int row, const std::wstring& text) override;
  bool SetCellCheck(int column, int row, int state) override;
  bool GetCellText(int column, int row, std::wstring& text) override;
  bool GetCellCheck(int column, int row, bool& check) override;

 protected:
  void OnInitDialog() override;

 private:
  void OnOK(wxCommandEvent& event);
  void OnCancel(wxCommandEvent& event);
  void OnCharHook(wxKeyEvent& event);
  int CellId(int column, int row) const;
  // The control of a cell's id; the dialog helpers' lookup where the table
  // has none (which throws for a missing control).
  wxWindow* CellWindow(int id);

  MoreLayout layout_;
  MoreOptions options_;
  // Every control by its id: the helpers' walk over thousands of children
  // for every cell made Refresh and OK quadratic.
  std::unordered_map<int, wxWindow*> cells_;
};

// Runs the dialog on copies of the five vectors and, when the user confirms,
// writes them back; true then.
bool EditAdvancedOptions(std::vector<InstrParOptSt>& vIPOSt, std::vector<InstrParOptPlt>& vIPOPlt,
                         std::vector<InstrParOptFrm>& vIPOFrm, std::vector<InstrParOptFrmSub>& vIPOFrmSub,
                         std::vector<InstrParOptFrmGrp>& vIPOFrmGrp, Node& node, bool supervisor, bool tmDhms);

}  // namespace PardeloStravon
