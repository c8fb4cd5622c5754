#include "network/nodes/SettingsFiles.h"

#include <boost/archive/archive_exception.hpp>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "foundation/core/Assert.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"
#include "network/nodes/Node.h"
#include "network/nodes/SafeSettings.h"

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

// The archive's own text for a cut or damaged file names no file.
std::runtime_error NamingTheFile(const boost::archive::archive_exception& e,
                                 const std::wstring& path) {
  return std::runtime_error(std::string(e.what()) + " in the settings file " + ToUtf8(path));
}

// The whole archive goes to a file beside the target, which replaces the
// target only once it is complete.
void WriteSettingsFile(const std::wstring& path, const Node& n, const InstrParValues& set) {
  const std::filesystem::path target(NativePath(path));
  std::filesystem::path part = target;
  part += ".tmp";
  try {
    std::wofstream os(part);
    os.imbue(Utf8Locale());
    if (!os.good()) throw std::runtime_error("impossible to open the output stream");
    {
      boost::archive::xml_woarchive ar(os);
      WriteSafeSet(ar, n, set);
    }  // the archive writes its end here
    os.close();
    if (os.fail()) throw std::runtime_error("impossible to write the settings file");
    std::filesystem::rename(part, target);
  } catch (...) {
    std::error_code ignored;
    std::filesystem::remove(part, ignored);
    throw;
  }
}

bool ReadSettingsFile(const std::wstring& path, const Node& n, InstrParValues& set) {
  std::wifstream is(NativePath(path));
  is.imbue(Utf8Locale());
  if (!is.good()) throw std::runtime_error("impossible to open the input stream");
  try {
    boost::archive::xml_wiarchive ar(is);
    return ReadSafeSet(ar, n, set);
  } catch (const boost::archive::archive_exception& e) {
    throw NamingTheFile(e, path);
  }
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
