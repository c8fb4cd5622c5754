#pragma once
// The instrument types: each one's code (the model code that documents and
// settings files store), its ordered parameter list, which is also the
// layout of its frames, and its alarm texts. Loaded once at start-up after
// the parameter table; read-only afterwards, by every thread.
#include <xercesc/dom/DOMDocument.hpp>

#include <boost/noncopyable.hpp>

#include <string>
#include <vector>

#include "foundation/catalogue/InstrParPure.h"
#include "foundation/catalogue/ParamTable.h"

namespace PardeloStravon {

// Not an XMLError: a handler for the parameter tables' tags does not catch it.
struct InstrError {};
struct InstrBadRef : InstrError {};

// The type's documentation reference; stored, read by nothing.
struct InstrDoc {
  std::wstring s;
  std::wstring ver;
  int rev = 0;
};

struct InstrRec {
  std::wstring instrId;
  InstrDoc doc;
  int alarmDefault = 0;  // the token's dictionary position
};

class Instr : private boost::noncopyable {
 public:
  virtual ~Instr() = default;
  virtual std::wstring Code() const = 0;
  // Made afresh at every call; the definitions belong to the catalogue.
  virtual InstrPars Pars() const = 0;
  // The text of alarm number n in the current language; the type's default
  // alarm text for a number outside its alarm list.
  virtual std::wstring AlarmText(int n) const = 0;
};

class Instr_XML final : public Instr {
 public:
  explicit Instr_XML(int pos) : pos_(pos) {}
  std::wstring Code() const override;
  InstrPars Pars() const override;
  std::wstring AlarmText(int n) const override;

 private:
  int pos_;
};

// Reads the instruments, their parameter references, the alarms and their
// alarm references, in this order; false at the first file that was not
// read, without reading the later ones. An unknown key or token, and a
// repeated alarm key, pass their exception on.
bool LoadInstruments(const std::wstring& folder);

bool ReadInstrTable(const xercesc::DOMDocument& doc);
bool ReadInstrParTable(const xercesc::DOMDocument& doc);
bool ReadInstrAlTable(const xercesc::DOMDocument& doc);

std::wstring InstrRepeated();

// The type of the first record with the code; an unknown code throws
// InstrBadRef.
const Instr& InstrByCode(const std::wstring& code);
// Every code in the order of the table, repeats included.
const std::vector<std::wstring>& InstrCodes();

// An unknown code throws InstrBadRef; a position outside the table
// std::out_of_range.
int InstrPos(const std::wstring& code);
const InstrRec& InstrRecAt(int pos);
const InstrRec& InstrRecByKey(const std::wstring& code);
// Parameter positions, and alarm positions, of the type at a position.
const std::vector<parPos>& InstrParListAt(int pos);
const std::vector<int>& InstrAlListAt(int pos);

}  // namespace PardeloStravon
