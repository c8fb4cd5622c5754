// The document's two file formats on disk: the whole file is read into
// memory before anything is parsed, and written through the safe save.
#include <filesystem>
#include <fstream>
#include <optional>

#include "document/DocLegacyFormat.h"
#include "document/DocXmlFormat.h"
#include "document/PassScramble.h"
#include "document/QziDocF.h"
#include "document/QziDocIHlp.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"
#include "platform/SafeFileSave.h"

namespace PardeloStravon {

namespace {

const wchar_t XmlWhere[] = L"Error in QziDocIHlp::PortableSerialize!";
const wchar_t LegacyWhere[] = L"Error in QziDocIHlp::SerializeDocLegacy!";

std::wstring Source(const std::wstring& path) { return L"the document file " + path; }

// Names the file unless the text already ends with its name.
void Record(const wchar_t* where, const std::wstring& text, const std::wstring& path) {
  const std::wstring named = L" in " + Source(path);
  const bool hasName = text.size() >= named.size() &&
                       text.compare(text.size() - named.size(), named.size(), named) == 0;
  ErrorLog << TimeStamp() << where << text << (hasName ? L"" : named) << std::endl;
}

// One record for whatever ended a read or a write; the exceptions that are
// not standard ones are named here, where they are known.
void RecordFailure(const wchar_t* where, const std::wstring& path) {
  try {
    throw;
  } catch (const std::exception& e) {
    Record(where, L" what= " + FromUtf8(e.what()), path);
  } catch (const BadPassVersion& e) {
    Record(where, L" a password stored in format version " + std::to_wstring(e.version) +
                      L", which is neither 1 nor 2,", path);
  } catch (const InstrBadRef&) {
    Record(where, L" an instrument type that the catalogue does not hold,", path);
  } catch (...) {
    Record(where, L"", path);
  }
}

// The whole file, or nothing when it cannot be opened. Read in large
// pieces into room made for the file's size: a document of megabytes read
// character by character took longer than parsing it. A file that cannot
// be read throws the stream's own error.
std::optional<std::string> ReadDocFile(const std::wstring& path) {
  const std::string native = NativePath(path);
  std::ifstream in(native, std::ios::binary);
  if (!in.is_open()) return std::nullopt;
  std::string bytes;
  std::error_code sizeUnknown;
  const std::uintmax_t size = std::filesystem::file_size(native, sizeUnknown);
  if (!sizeUnknown) bytes.reserve(static_cast<std::size_t>(size));
  char piece[1 << 16];
  while (const std::streamsize n = in.rdbuf()->sgetn(piece, sizeof piece))
    bytes.append(piece, static_cast<std::size_t>(n));
  return bytes;
}

// False without a record where opening the file for writing would have
// refused; throws for any other failure.
bool WriteDocFile(const std::wstring& path, std::string_view bytes) {
  try {
    Platform::SaveFileSafely(NativePath(path), bytes);
    return true;
  } catch (const Platform::SaveRefused&) {
    return false;
  }
}

}  // namespace

bool QziDocIHlp::PortableSerialize(const std::wstring& path, bool save) {
  try {
    if (save) return WriteDocFile(path, SaveDocXml(*pF_));
    const std::optional<std::string> bytes = ReadDocFile(path);
    if (!bytes) return false;
    LoadDocXml(*pF_, *bytes, Source(path));
    return true;
  } catch (...) {
    RecordFailure(XmlWhere, path);
    return false;
  }
}

QziDocIHlp::LegacyResult QziDocIHlp::SerializeDocLegacy(const std::wstring& path, bool save) {
  try {
    if (save) {
      const std::vector<std::uint8_t> bytes = SaveDocLegacy(*pF_);
      const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
      return WriteDocFile(path, view) ? LegacyResult::whole : LegacyResult::failed;
    }
    const std::optional<std::string> bytes = ReadDocFile(path);
    if (!bytes) return LegacyResult::failed;
    const LegacyLoad load = LoadDocLegacyBytes(*pF_, std::vector<std::uint8_t>(bytes->begin(), bytes->end()));
    for (const std::string& replaced : load.replaced) Record(LegacyWhere, L" " + FromUtf8(replaced) + L",", path);
    if (load.version != 0 && load.version < 22) {
      Record(LegacyWhere,
             L" a document of version " + std::to_wstring(load.version) +
                 L", whose instruments are not read, was opened without them; saving it under "
                 L"its own name would lose them,",
             path);
      return LegacyResult::withoutInstruments;
    }
    return LegacyResult::whole;
  } catch (...) {
    RecordFailure(LegacyWhere, path);
    return LegacyResult::failed;
  }
}

}  // namespace PardeloStravon
