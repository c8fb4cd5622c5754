#include "foundation/core/XmlArchiveRead.h"

#include <boost/archive/archive_exception.hpp>
#include <boost/archive/xml_wiarchive.hpp>
#include <cwctype>

#include "foundation/core/TextConv.h"

namespace PardeloStravon {

namespace {

const std::wstring RootEnd = L"</boost_serialization";

// Thrown past the archive on success, so that it skips its own reading of
// the end tag.
struct ReadDone {};

bool SkipSpace(std::wistream& is) {
  for (std::wistream::int_type c = is.peek(); c != std::wistream::traits_type::eof(); c = is.peek()) {
    if (!std::iswspace(static_cast<wint_t>(c))) return true;
    is.get();
  }
  return false;
}

// True when the rest of the stream is the root's end tag, with white space
// around it only.
bool EndTagFollows(std::wistream& is) {
  if (is.fail() || !SkipSpace(is)) return false;
  for (const wchar_t expected : RootEnd)
    if (is.get() != static_cast<std::wistream::int_type>(expected)) return false;
  SkipSpace(is);
  if (is.get() != static_cast<std::wistream::int_type>(L'>')) return false;
  return !SkipSpace(is);
}

XmlArchiveError Naming(const std::string& what, const std::wstring& source) {
  return XmlArchiveError(what + " in " + ToUtf8(source));
}

}  // namespace

void ReadXmlArchive(std::wistream& is, const std::wstring& source,
                    const std::function<void(boost::archive::xml_wiarchive&)>& read) {
  try {
    boost::archive::xml_wiarchive ar(is);
    read(ar);
    if (!EndTagFollows(is)) throw Naming("the end of the archive is missing or damaged", source);
    throw ReadDone{};
  } catch (const ReadDone&) {
  } catch (const boost::archive::archive_exception& e) {
    throw Naming(e.what(), source);
  }
}

}  // namespace PardeloStravon
