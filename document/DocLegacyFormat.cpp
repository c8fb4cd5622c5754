#include "document/DocLegacyFormat.h"

#include <cmath>

#include "document/LegacyFonts.h"
#include "document/PassScramble.h"
#include "document/QziDocF.h"
#include "document/QziDocIGph.h"
#include "document/QziDocIMFC.h"
#include "document/QziDocIStdImpl.h"
#include "document/ShellServices.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/core/FrameworkAdapters.h"

namespace PardeloStravon {

namespace {

// Where the block reader notes values it replaced, for the loader's record.
thread_local std::vector<std::string>* replacedValues = nullptr;

class NotingReplacedValues {
 public:
  explicit NotingReplacedValues(std::vector<std::string>& notes) { replacedValues = &notes; }
  ~NotingReplacedValues() { replacedValues = nullptr; }
  NotingReplacedValues(const NotingReplacedValues&) = delete;
  NotingReplacedValues& operator=(const NotingReplacedValues&) = delete;
};

void StoreFonts(LegacyArchive& ar, const QziDocIMFC& m, const GraphOptions& g, bool wide) {
  const std::pair<unsigned long, const LOGFONTW*> fonts[] = {
      {m.oRGB_, &m.oLF_.get()}, {m.sRGB_, &m.sLF_.get()}, {g.gRGB_, &g.gLF_.get()}};
  for (const auto& [colour, font] : fonts) {
    ar << colour;
    if (wide)
      ar << *font;
    else
      ar << ToLogFontA(*font);  // face names cut to their low 8 bits
  }
}

void LoadFonts(LegacyArchive& ar, QziDocIMFC& m, GraphOptions& g, bool wide, bool keep) {
  const std::pair<unsigned long*, LOGFONTW*> fonts[] = {
      {&m.oRGB_.get(), &m.oLF_.get()}, {&m.sRGB_.get(), &m.sLF_.get()}, {&g.gRGB_.get(), &g.gLF_.get()}};
  for (const auto& [colour, font] : fonts) {
    unsigned long c = 0;
    ar >> c;
    LOGFONTW w;
    if (wide) {
      ar >> w;
    } else {
      LOGFONTA a;
      ar >> a;
      w = ToLogFontW(a);
    }
    if (keep) *colour = c, *font = w;
  }
}

void StoreGraph(LegacyArchive& ar, const GraphOptions& g) {
  ar << static_cast<float>(g.gphLTh_) << static_cast<float>(g.gphDAg_)
     << static_cast<bool>(g.gphDRA_) << static_cast<bool>(g.gphRSp_) << g.dteFmt_.get()
     << g.gphNFm_.get();
}

// A float that is no finite number would be carried into every later save,
// and the XML format cannot read it back: it takes its default.
void TakeFloat(float read, float& field, float fallback, const char* name) {
  if (std::isfinite(read)) {
    field = read;
    return;
  }
  field = fallback;
  if (replacedValues)
    replacedValues->push_back(std::string("the graph block's ") + name +
                              " is not a finite number and takes its default");
}

void LoadGraph(LegacyArchive& ar, GraphOptions& g, bool keep) {
  float lth = 0, dag = 0;
  bool dra = false, rsp = false;
  CString dte;
  std::wstring nfm;
  ar >> lth >> dag >> dra >> rsp >> dte >> nfm;
  if (!keep) return;
  TakeFloat(lth, g.gphLTh_.get(), CCPGL_line_width, "gphLTh_");
  TakeFloat(dag, g.gphDAg_.get(), CCPGL_time_angle, "gphDAg_");
  g.gphDRA_ = dra;
  g.gphRSp_ = rsp;
  g.dteFmt_ = dte;
  g.gphNFm_ = nfm;
}

// Kept as read, negative included: it is written back as the same 4 bytes.
void LoadLanguage(LegacyArchive& ar, std::size_t& lng, bool keep) {
  std::int32_t v = 0;
  ar >> v;
  if (keep) lng = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(v));
}

void LoadPass(LegacyArchive& ar, std::wstring& pass, bool keep) {
  std::wstring stored;
  ar >> stored;
  if (keep) pass = stored;  // unscrambled once the whole file was read
}

}  // namespace

// The document's own values of one block, straight into the fields: no
// setter runs, nothing is marked modified.
void QziDocIStd::LegacyDocValues(LegacyArchive& ar, int version, bool keep) {
  Impl& d = *pImpl_;
  QziDocIMFC& m = *d.pF_->GetIMFC();
  GraphOptions& g = d.pF_->GetIGph()->gO_;
  if (ar.IsStoring()) {
    const std::wstring stored = ScramblePass(d.pass_, 2);
    switch (version) {
      case 22:
        ar << stored;
        StoreFonts(ar, m, g, false);
        break;
      case 23:
        StoreGraph(ar, g);
        break;
      case 24:
        ar << static_cast<std::int32_t>(d.lng_);
        break;
      case 25:
        ar << stored;
        StoreFonts(ar, m, g, true);
        StoreGraph(ar, g);
        ar << static_cast<std::int32_t>(d.lng_);
        break;
      default:
        break;
    }
    return;
  }
  switch (version) {
    case 20:
      LoadFonts(ar, m, g, false, keep);
      break;
    case 21:
    case 22:
      LoadPass(ar, d.pass_, keep);
      LoadFonts(ar, m, g, false, keep);
      break;
    case 23:
      LoadGraph(ar, g, keep);
      break;
    case 24:
      LoadLanguage(ar, d.lng_, keep);
      break;
    case 25:
      LoadPass(ar, d.pass_, keep);
      LoadFonts(ar, m, g, true, keep);
      LoadGraph(ar, g, keep);
      LoadLanguage(ar, d.lng_, keep);
      break;
    default:
      break;  // 15 to 19 hold no document values
  }
}

std::vector<std::uint8_t> SaveDocLegacy(QziDocF& f) {
  LegacyArchive ar;
  f.GetIStd()->SerializeDocLegacy(ar);
  return ar.Bytes();
}

LegacyLoad LoadDocLegacyBytes(QziDocF& f, std::vector<std::uint8_t> bytes) {
  QziDocIStd& s = *f.GetIStd();
  const std::size_t languageBefore = CurrentLanguage();
  LegacyLoad result;
  try {
    NotingReplacedValues noting(result.replaced);
    LegacyArchive ar(std::move(bytes));
    result.version = s.SerializeDocLegacy(ar);
  } catch (...) {
    // Each block applied its language; a failed read leaves the program's.
    SetCurrentLanguage(languageBefore);
    Shell().ApplyAppStrings();
    throw;
  }
  // An empty file read nothing, and version 0 has no password format.
  if (result.version != 0) {
    std::wstring& pass = s.GetImpl().pass_;
    pass = UnscramblePass(pass, PassVersionOfDocVersion(result.version));
  }
  return result;
}

}  // namespace PardeloStravon
