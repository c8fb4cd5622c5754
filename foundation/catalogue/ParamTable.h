#pragma once
// The parameter table: every value an instrument holds is one of its rows,
// with its key, value type code, texts, optional bounds, rems and flags, and
// one parameter definition per row that the rest of the system works with.
// Loaded once at start-up after the sub-groups and rems it refers to;
// read-only afterwards, by every thread.
#include <xercesc/dom/DOMDocument.hpp>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "foundation/catalogue/CatalogueErrors.h"

namespace PardeloStravon {

class InstrParPure;
class RTTRange;

// The index of a row of the parameter table.
typedef int parPos;

// Token fields hold the token's dictionary position; an optional field is
// empty when its row lacks it.
struct ParRec {
  std::wstring parId;
  std::wstring parTy;  // one of the type codes of the unit types
  int parSt = 0;
  int parDlg = 0;
  int parUser = 0;
  std::wstring parCMemo;
  std::wstring parSlDy;
  int parSubGroup = 0;  // position in the sub-group table
  std::optional<int> parMult;
  std::optional<double> parMin;
  std::optional<int> parMinRef;
  std::optional<double> parMax;
  std::optional<int> parMaxRef;
  std::optional<double> parDft;
  std::vector<int> parRem;  // positions in the rem table, repeats kept
  bool parIsDSt = false;
  bool parIsAl = false;
  bool parIsRead = false;
  bool parIsSet = false;
  bool parIsSlave = false;
  bool parIsRO = false;
  bool parIsRTC = false;
  bool parIsMaNetAdd = false;
  bool parIsSlNetAdd = false;
  bool parIsBitMain = false;
  bool parIsBitSub = false;
  bool parIsPad = false;
};

// False when the file was not read. An unknown sub-group, rem or token, a
// type code outside the list and a bound its type cannot hold pass their
// exception on; the rows before it stay stored.
bool LoadParams(const std::wstring& folder);
bool ReadParamTable(const xercesc::DOMDocument& doc);

std::wstring ParRepeated();

// An unknown key throws ParBadRef; a position outside the table
// std::out_of_range.
parPos ParPos(const std::wstring& key);
const ParRec& ParRecAt(parPos pos);
const ParRec& ParRecByKey(const std::wstring& key);

// The definition of a row; the table keeps it for the whole run.
const InstrParPure* ParByPos(parPos pos);
const InstrParPure* ParByKey(const std::wstring& key);

// The range object of a row, picked by its type code, with the row's bounds
// or the defaults of its type. A type code outside the list throws
// "Wrong type in QZ::newRTTRange(parPos pos)"; a bound that the type cannot
// hold throws std::range_error naming the parameter.
std::unique_ptr<RTTRange> newRTTRange(parPos pos);

}  // namespace PardeloStravon
