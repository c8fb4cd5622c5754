#pragma once
// The layout of the settings form: its dialog item, the ten buttons and one
// row per visible parameter, in columns of a fixed number of rows, with the
// group and sub-group titles between them. Works on plain descriptions of
// the parameters so that any shape of instrument type can be laid out.
#include <string>
#include <utility>
#include <vector>

#include "network/nodes/InstrParOpt.h"
#include "platform/LogFont.h"
#include "views/dialogs/InterfItem.h"

namespace PardeloStravon {

class Node;

// What the layout needs of one parameter of the type.
struct FormPar {
  bool pad = false;
  bool slave = false;
  bool set = false;
  bool maNetAdd = false;
  bool ro = false;
  bool bitMain = false;
  bool bitSub = false;
  bool isBool = false;  // a one-bit value type: a check box
};

struct FormLayoutInput {
  std::vector<FormPar> pars;
  std::vector<InstrParOptFrm> frm;
  std::vector<InstrParOptFrmSub> frmSub;
  std::vector<InstrParOptFrmGrp> frmGrp;
  bool supervisor = false;
  int rows = 44;       // rows per column
  bool dhms = false;   // durations as d h:mm:ss: wider values
  int lfHeight = 0;    // of the program font
  std::wstring face;   // of the program font
  std::wstring title;  // the form item's text
  std::wstring buttons[6];  // texts of the command buttons 9000 to 9005
};

// One entry per parameter: the id of its value control (0: no row) and
// whether that control is a three-state check box.
using FormRows = std::vector<std::pair<int, bool>>;

struct FormLayout {
  std::vector<InterfItem> items;  // the form first, then the controls in tab order
  FormRows rows;
};

constexpr int FormButtonFirst = 9000;
constexpr int FormButtonLast = 9009;
constexpr int FormFirstControlId = 9010;
// The top of every column of rows, below the buttons.
constexpr int FormColumnTop = 13;

// The form font's point size from the program font's height: a cell height
// (positive) counts by its magnitude as a character height does.
int FormFontSize(int lfHeight);

// Throws std::out_of_range when an option index points outside its vector.
FormLayout LayOutForm(const FormLayoutInput& in);

// The layout input of a node from its type, its form options, the current
// language and the document's form settings.
FormLayoutInput FormInputOf(const Node& node, bool supervisor, int rows, bool dhms, const LOGFONTW& font);

}  // namespace PardeloStravon
