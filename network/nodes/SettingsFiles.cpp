#include "network/nodes/SettingsFiles.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "foundation/core/Assert.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"
#include "foundation/core/XmlArchiveCheck.h"
#include "foundation/core/XmlArchiveRead.h"
#include "foundation/values/ValueRange.h"
#include "foundation/values/ValueText.h"
#include "network/nodes/Node.h"
#include "network/nodes/SafeSettings.h"
#include "platform/SafeFileSave.h"

namespace PardeloStravon {

const std::wstring SettingsFileExtension = L".qzis";

namespace {

const wchar_t SaveWhere[] =
    L"Error in void QZ::SaveSettings(Node& n,int add,const InstrParValuesC& set)!";
const wchar_t LoadWhere[] = L"Error in bool QZ::LoadSettings(Node& n,int add,InstrParValues& set)!";

std::wstring ChosenPath(const Node& n, int add, SettingsFileUi& ui, SettingsFileUi::Mode mode) {
  const std::wstring path = ui.ChooseFile(SettingsFileName(n, add), SettingsFileExtension, mode);
  if (path.empty()) throw std::runtime_error("length of file name==0");
  return path;
}

std::wstring SettingsFileSource(const std::wstring& path) { return L"the settings file " + path; }

// The whole archive is composed in memory first; the file is replaced only
// by a complete one, and a failure leaves the old file as it was.
void WriteSettingsFile(const std::wstring& path, const Node& n, const InstrParValues& set) {
  std::wostringstream os;
  {
    boost::archive::xml_woarchive ar(os);
    WriteSafeSet(ar, n, set);
  }  // the archive writes its end here
  Platform::SaveFileSafely(NativePath(path), ToUtf8(os.str()));
}

// A value the user could never type is refused, unless the instrument
// itself sent it last: sending such a value back changes nothing.
void RefuseValuesOutOfRange(const Node& n, const InstrParValues& loaded) {
  const InstrPars pars = SettablePars(n.Type().Pars());
  const InstrParValues received =
      n.HasSettings() ? SettableValues(n.Type().Pars(), n.Values()) : InstrParValues();
  for (std::size_t i = 0; i < pars.size(); ++i) {
    const RTTRange& range = *pars[i]->ParRange();
    if (ValueInRange(range, loaded.at(i))) continue;
    if (i < received.size() && range.Encode(received[i]) == range.Encode(loaded.at(i))) continue;
    throw std::range_error("the value " + ToUtf8(ValueToText(range, loaded[i])) +
                           " of parameter " + ToUtf8(pars[i]->ParID()) + " lies outside " +
                           ToUtf8(ValueToText(range, range.Min())) + " to " +
                           ToUtf8(ValueToText(range, range.Max())));
  }
}

bool ReadSettingsFile(const std::wstring& path, const Node& n, InstrParValues& set) {
  std::wifstream file(NativePath(path));
  file.imbue(Utf8Locale());
  if (!file.good()) throw std::runtime_error("impossible to open the input stream");
  const std::wstring source = SettingsFileSource(path);
  InstrParValues loaded;
  bool sameType = false;
  try {
    // Boost trusts the file's ids and counts; a damaged file is refused
    // before it can make the archive allocate or index out of bounds.
    std::wostringstream whole;
    whole << file.rdbuf();
    CheckXmlArchiveIds(whole.str());
    std::wistringstream is(whole.str());
    ReadXmlArchive(is, source, [&](boost::archive::xml_wiarchive& ar) {
      sameType = ReadSafeSet(ar, n, loaded);
    });
    if (sameType) RefuseValuesOutOfRange(n, loaded);
  } catch (const XmlArchiveError&) {
    throw;
  } catch (const std::exception& e) {
    throw std::runtime_error(std::string(e.what()) + " in " + ToUtf8(source));
  }
  if (sameType) set = loaded;
  return sameType;
}

void LogFailure(const wchar_t* where, const std::wstring& what) {
  ErrorLog << TimeStamp() << L" " << where << what << std::endl;
}

}  // namespace

std::wstring SettingsFileName(const Node& n, int add) {
  // Up to 999 the name keeps its three digits; larger addresses would lose
  // their first digit and share a name with a smaller one.
  std::wstring number = std::to_wstring(add);
  if (add >= 0 && add <= 999) number = std::to_wstring(add + 1000).substr(1);
  return number + L"_" + n.Type().Code();
}

bool WriteSafeSet(boost::archive::xml_woarchive& ar, const Node& n, const InstrParValues& set) {
  const SafeSettings s{n.Type().Code(), set};
  ar << boost::serialization::make_nvp("SafeSet", s);
  return true;
}

bool ReadSafeSet(boost::archive::xml_wiarchive& ar, const Node& n, InstrParValues& set) {
  SafeSettings s;
  ar >> boost::serialization::make_nvp("SafeSet", s);
  if (s.code_ != n.Type().Code()) return false;
  set = s.set_;
  return true;
}

void SaveSettings(const Node& n, int add, const InstrParValues& set, SettingsFileUi& ui) {
  try {
    WriteSettingsFile(ChosenPath(n, add, ui, SettingsFileUi::saveMode), n, set);
    return;
  } catch (const std::exception& e) {
    LogFailure(SaveWhere, L" what= " + FromUtf8(e.what()));
  } catch (...) {
    LogFailure(SaveWhere, L"");
  }
  ui.ShowEmptyMessage();
}

bool LoadSettings(const Node& n, int add, InstrParValues& set, SettingsFileUi& ui) {
  try {
    if (ReadSettingsFile(ChosenPath(n, add, ui, SettingsFileUi::openMode), n, set)) return true;
  } catch (const std::exception& e) {
    LogFailure(LoadWhere, L" what= " + FromUtf8(e.what()));
  } catch (...) {
    LogFailure(LoadWhere, L"");
  }
  ui.ShowEmptyMessage();
  return false;
}

bool MixSettings(const Node& n, const InstrParValues& oldP, const InstrParValues& newP,
                 InstrParValues& mixP, bool supervisor) {
  if (supervisor) {
    mixP = newP;
    return true;
  }
  const bool oldV = !oldP.empty();
  const auto& opt = n.OptFrm();
  const InstrPars pars = n.Type().Pars();
  const std::size_t sizeAll = pars.size();
  ASSERT_THROW(opt.size() == sizeAll, L"opt.size()==sizeAll");
  const std::size_t size = SettablePars(pars).size();
  mixP.resize(size);
  ASSERT_THROW(mixP.size() == size, L"mixP.size()==size");
  ASSERT_THROW(newP.size() == size, L"newP.size()==size");
  ASSERT_THROW(!oldV || oldP.size() == size, L"!oldV||oldP.size()==size");
  bool complete = true;
  std::size_t k = 0;
  for (std::size_t i = 0; i < sizeAll; ++i) {
    if (!pars[i]->ParIsSet()) continue;
    if (opt[i].frmFreeOpt_)
      mixP[k] = newP[k];
    else if (oldV)
      mixP[k] = oldP[k];
    else
      complete = false;
    ++k;
  }
  return complete;
}

}  // namespace PardeloStravon
