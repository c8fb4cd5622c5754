#include "document/DocXmlFormat.h"

#include <boost/archive/archive_exception.hpp>
#include <boost/archive/xml_wiarchive.hpp>
#include <boost/archive/xml_woarchive.hpp>
#include <boost/serialization/nvp.hpp>
#include <boost/serialization/string.hpp>
#include <boost/serialization/tracking.hpp>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <istream>
#include <ostream>
#include <stdexcept>

#include "document/DocXmlGuards.h"
#include "document/DocXmlText.h"
#include "document/PassWrap.h"
#include "document/QziDocF.h"
#include "document/QziDocIGph.h"
#include "document/QziDocIMFC.h"
#include "document/QziDocIStdImpl.h"
#include "foundation/core/XmlArchiveRead.h"
#include "foundation/core/XmlWOArchive.h"
#include "foundation/core/FrameworkSerialization.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/WrapSize_t.h"

// Every part is written as an object, never through a pointer, and none is
// tracked.
BOOST_CLASS_TRACKING(PardeloStravon::QziDocF, boost::serialization::track_never)
BOOST_CLASS_TRACKING(PardeloStravon::QziDocIGph, boost::serialization::track_never)
BOOST_CLASS_TRACKING(PardeloStravon::GraphOptions, boost::serialization::track_never)
BOOST_CLASS_TRACKING(PardeloStravon::QziDocIMFC, boost::serialization::track_never)
BOOST_CLASS_TRACKING(PardeloStravon::QziDocIStd, boost::serialization::track_never)

namespace PardeloStravon {

namespace {

using boost::serialization::make_nvp;

// A float that is not finite is written as "nan" or "inf", which the
// archive cannot read back: such a save fails naming the field.
template <class Archive, class Wrapper>
void Float(Archive& ar, const char* name, Wrapper& w) {
  if constexpr (Archive::is_saving::value) {
    if (!std::isfinite(static_cast<float>(w)))
      throw std::runtime_error(std::string("the value of ") + name + " is not a finite number");
  }
  ar& make_nvp(name, w);
}

}  // namespace

template <class Archive>
void serialize(Archive& ar, GraphOptions& g, const unsigned int /*version*/) {
  ar& make_nvp("gO.gLF_", g.gLF_);
  ar& make_nvp("gO.gRGB_", g.gRGB_);
  Float(ar, "gO.gphLTh_", g.gphLTh_);
  Float(ar, "gO.gphDAg_", g.gphDAg_);
  ar& make_nvp("gO.gphDRA_", g.gphDRA_);
  ar& make_nvp("gO.gphRSp_", g.gphRSp_);
  ar& make_nvp("gO.gphIsP_", g.gphIsP_);
  ar& make_nvp("gO.dteFmt_", g.dteFmt_);
  ar& make_nvp("gO.gphNFm_", g.gphNFm_);
}

template <class Archive>
void serialize(Archive& ar, QziDocIGph& p, const unsigned int /*version*/) {
  ar& make_nvp("gO_", p.gO_);
}

template <class Archive>
void serialize(Archive& ar, QziDocIMFC& p, const unsigned int /*version*/) {
  ar& make_nvp("oLF_", p.oLF_);
  ar& make_nvp("sLF_", p.sLF_);
  ar& make_nvp("pLF_", p.pLF_);
  ar& make_nvp("oRGB_", p.oRGB_);
  ar& make_nvp("sRGB_", p.sRGB_);
  ar& make_nvp("pRGB_", p.pRGB_);
}

template <class Archive>
void serialize(Archive& ar, QziDocIStd& s, const unsigned int /*version*/) {
  QziDocIStd::Impl& d = s.GetImpl();
  PassWrap pass(&d.pass_);
  ar& make_nvp("PassWrap_pass_", pass);
  PassWrap passSup(&d.passSup_);
  ar& make_nvp("PassWrap_passSup_", passSup);
  WrapSize_t lng(d.lng_);
  ar& make_nvp("WrapSize_t_lng_", lng);
  ar& make_nvp("prgRows_", d.prgRows_);
  ar& make_nvp("tm_dhms_", d.tm_dhms_);
  // The network options bear the name of the element before them.
  ar& make_nvp("tm_dhms_", *d.netOpt_);
}

// The plot options come first, although the parts are built the other way.
template <class Archive>
void serialize(Archive& ar, QziDocF& f, const unsigned int /*version*/) {
  ar& make_nvp("pIGph_", *f.GetIGph());
  ar& make_nvp("pIMFC_", *f.GetIMFC());
  ar& make_nvp("pIStd_", *f.GetIStd());
}

namespace {

// A legacy document begins with its version, 15 to 25, as 4 bytes.
bool LooksLegacy(std::string_view bytes) {
  if (bytes.size() < 4) return false;
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[i]);
  return v >= 15 && v <= 25;
}

void CheckIsXml(std::string_view bytes) {
  std::string_view body = bytes;
  if (body.substr(0, 3) == "\xEF\xBB\xBF") body.remove_prefix(3);
  if (body.substr(0, 5) == "<?xml") return;
  std::string text = "the document file is not an XML document";
  if (LooksLegacy(bytes))
    text += "; it looks like a legacy document, which is read only under the extension \"qzi\" "
            "in small letters";
  throw std::runtime_error(text);
}

template <class Archive>
void WriteArchive(QziDocF& f, std::wostream& os) {
  Archive ar(os);
  ar << make_nvp("qziDocF_", f);
}  // the archive writes the root's end tag here

// The size of the last document saved: the next one is most likely about
// as large, and its bytes get that room, with some to spare, at once.
std::atomic<std::size_t> lastSaved{0};

}  // namespace

std::string SaveDocXml(QziDocF& f) {
  const std::size_t expected = lastSaved;
  DocTextWriter text(expected + expected / 8);
  std::wostream os(&text);
  try {
    WriteArchive<XmlWOArchive>(f, os);
  } catch (const boost::archive::archive_exception&) {
    text.Take();  // the stream's own cause, when it failed
    throw;
  }
  std::string bytes = text.Take();
  lastSaved = bytes.size();
  return bytes;
}

void SaveDocXmlArchive(QziDocF& f, std::wostream& os) {
  WriteArchive<boost::archive::xml_woarchive>(f, os);
}

void LoadDocXml(QziDocF& f, std::string_view bytes, const std::wstring& source) {
  CheckIsXml(bytes);
  CheckDocText(bytes);
  // The network is the one object held through a pointer.
  CheckArchiveAttributes(bytes, {L"pIN_"});
  DocTextReader text(bytes);
  std::wistream is(&text);
  ReadXmlArchive(is, source,
                 [&f](boost::archive::xml_wiarchive& ar) { ar >> make_nvp("qziDocF_", f); });
}

}  // namespace PardeloStravon
