#pragma once
// The XML document: the content root "qziDocF_" in Boost's wide XML archive,
// as bytes in memory. The file steps are thin wrappers (QziDocIHlp).
#include <ostream>
#include <string>
#include <string_view>

namespace PardeloStravon {

class QziDocF;

// The file's bytes: archive version 18, CR LF, UTF-8. Throws when a value
// cannot be written so that it reads back (a float that is no finite number).
std::string SaveDocXml(QziDocF& f);

// The wide text Boost's own XML archive writes for the document, as it
// stands: the reference the file's bytes are the encoding of.
void SaveDocXmlArchive(QziDocF& f, std::wostream& os);

// Reads every field in place, in the order of the element tree. Throws on
// anything that is not the whole tree and only the tree; the archive's own
// errors end with " in " and `source`. The fields read before a failure
// keep their new values.
void LoadDocXml(QziDocF& f, std::string_view bytes,
                const std::wstring& source = L"the document");

}  // namespace PardeloStravon
