#include "foundation/core/XmlArchiveCheck.h"

#include <regex>

namespace PardeloStravon {

namespace {

// The shortest item a collection can hold: "<item></item>".
constexpr std::size_t ShortestItem = 13;

long Number(const std::wstring& digits)
{
  if (digits.size() > 9) throw XmlArchiveDamaged("an id or count of more than nine digits");
  return std::stol(digits);
}

}  // namespace

void CheckXmlArchiveIds(const std::wstring& text)
{
  static const std::wregex marks(
      LR"re((class_id_reference|class_id|object_id_reference|object_id)="_?([0-9]+)"|<count>([0-9]+)</count>)re");
  long classes = 0;
  long objects = 0;
  for (std::wsregex_iterator m(text.begin(), text.end(), marks), end; m != end; ++m) {
    const std::wsmatch& match = *m;
    if (match[3].matched) {
      const std::size_t rest = text.size() - (match.position(0) + match.length(0));
      if (static_cast<std::size_t>(Number(match[3].str())) > rest / ShortestItem)
        throw XmlArchiveDamaged("a collection counts more items than the file can hold");
      continue;
    }
    const std::wstring name = match[1].str();
    const long id = Number(match[2].str());
    const bool isClass = name.compare(0, 5, L"class") == 0;
    long& met = isClass ? classes : objects;
    const bool reference = name.find(L"reference") != std::wstring::npos;
    // A reference names one met before; a new object is the next one; a
    // class may be named again, but never beyond the next new one.
    const bool known = id < met;
    if (reference ? !known : (id > met || (!isClass && known)))
      throw XmlArchiveDamaged(isClass ? "a class id out of order" : "an object id out of order");
    if (!known) ++met;
  }
}

}  // namespace PardeloStravon
