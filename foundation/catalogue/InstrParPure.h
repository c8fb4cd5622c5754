#pragma once
// A parameter as the rest of the system sees it: its key, its texts in the
// current language, its sub-group, its range object (which knows its value
// type) and its flags. The catalogue owns every definition for the whole
// run, so parameter lists hold plain pointers and may be copied freely.
#include <boost/any.hpp>
#include <boost/noncopyable.hpp>

#include <string>
#include <vector>

#include "foundation/core/ImmPtr.h"
#include "foundation/catalogue/ParamTable.h"
#include "foundation/values/ValueTypes.h"

namespace PardeloStravon {

struct GroupSubRec;

class InstrParPure : private boost::noncopyable {
 public:
  virtual ~InstrParPure() = default;
  virtual const RTTRange* ParRange() const = 0;
  virtual std::wstring ParID() const = 0;
  virtual std::wstring ParSt() const = 0;
  virtual std::wstring ParDlg() const = 0;
  virtual std::wstring ParUser() const = 0;
  virtual std::wstring ParSlDy() const = 0;
  virtual const GroupSubRec& ParSubGroup() const = 0;
  virtual int ParMult() const = 0;
  virtual boost::any ParMin() const = 0;
  virtual boost::any ParMax() const = 0;
  virtual boost::any ParDft() const = 0;
  virtual std::vector<std::wstring> ParRem() const = 0;
  virtual bool ParIsDSt() const = 0;
  virtual bool ParIsAl() const = 0;
  virtual bool ParIsRead() const = 0;
  virtual bool ParIsSet() const = 0;
  virtual bool ParIsSlave() const = 0;
  virtual bool ParIsRO() const = 0;
  virtual bool ParIsRTC() const = 0;
  virtual bool ParIsMaNetAdd() const = 0;
  virtual bool ParIsSlNetAdd() const = 0;
  virtual bool ParIsBitMain() const = 0;
  virtual bool ParIsBitSub() const = 0;
  virtual bool ParIsPad() const = 0;
};

// An instrument type's parameters in frame order; owns nothing.
typedef std::vector<const InstrParPure*> InstrPars;

// The catalogue's definition: a row of the parameter table, answered from
// that row, with the range object it alone owns.
class IPPXMLRef final : public InstrParPure {
 public:
  // Builds the range from the stored row; when that throws, no definition.
  explicit IPPXMLRef(parPos pos);

  const RTTRange* ParRange() const override { return range_.get(); }
  std::wstring ParID() const override;
  std::wstring ParSt() const override;
  std::wstring ParDlg() const override;
  std::wstring ParUser() const override;
  std::wstring ParSlDy() const override;
  const GroupSubRec& ParSubGroup() const override;
  // 1, a multiplier that changes nothing, when the row gives none.
  int ParMult() const override;
  boost::any ParMin() const override { return range_->Min(); }
  boost::any ParMax() const override { return range_->Max(); }
  boost::any ParDft() const override { return range_->Dft(); }
  std::vector<std::wstring> ParRem() const override;
  bool ParIsDSt() const override { return Row().parIsDSt; }
  bool ParIsAl() const override { return Row().parIsAl; }
  bool ParIsRead() const override { return Row().parIsRead; }
  bool ParIsSet() const override { return Row().parIsSet; }
  bool ParIsSlave() const override { return Row().parIsSlave; }
  bool ParIsRO() const override { return Row().parIsRO; }
  bool ParIsRTC() const override { return Row().parIsRTC; }
  bool ParIsMaNetAdd() const override { return Row().parIsMaNetAdd; }
  bool ParIsSlNetAdd() const override { return Row().parIsSlNetAdd; }
  bool ParIsBitMain() const override { return Row().parIsBitMain; }
  bool ParIsBitSub() const override { return Row().parIsBitSub; }
  bool ParIsPad() const override { return Row().parIsPad; }

 private:
  const ParRec& Row() const { return ParRecAt(pos_); }

  parPos pos_;
  ImmScoped<RTTRange> range_;
};

}  // namespace PardeloStravon
