#include "network/DocServices.h"

#include "foundation/core/Paths.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/LegacyFormat.h"

namespace PardeloStravon {

const std::wstring InvalidQziFormatText = L"Invalid file format while loading qzi document";

DocServices::~DocServices() = default;

boost::signals2::connection DocServices::ConnectDocSignal(const DocSignalSlot& slot) {
  return docSignal_.connect(slot);
}

void DocServices::EmitDocSignal(int address, DocSignal signal) { docSignal_(address, signal); }

GuiPoster DocServices::GetGuiPoster() {
  return [this](const GuiTask& task) { PostToGui(task); };
}

int DocServices::SerializeDocLegacy(LegacyArchive& ar) {
  if (ar.IsStoring()) {
    ar << static_cast<std::int32_t>(LegacyDocVersion);
    for (int block = 22; block <= LegacyDocVersion; ++block) {
      LegacyDocValues(ar, block, true);
      NetOpt().SerializeLegacy(ar, block, true);
    }
    return LegacyDocVersion;
  }
  // The framework reads nothing from an empty file: the document stays new.
  if (ar.Remaining() == 0) return 0;
  std::int32_t version = 0;
  ar >> version;
  if (version > LegacyDocVersion) version = LegacyDocVersion;
  LoadDocLegacy(ar, version, true);
  return version;
}

void DocServices::LoadDocLegacy(LegacyArchive& ar, int version, bool keep) {
  if (version < OldestLegacyDocVersion || version > LegacyDocVersion) {
    ShowMessageBox(InvalidQziFormatText);
    throw LegacyFormatError("In LoadDocLegacy: document version " + std::to_string(version) +
                            " is not one of 15 to 25");
  }
  // From version 23 on a file holds the layout of the version before it; the
  // blocks that version 25 repeats are read and dropped.
  if (version == 23 || version == 24) LoadDocLegacy(ar, version - 1, keep);
  if (version == 25) LoadDocLegacy(ar, 24, false);
  LegacyDocValues(ar, version, keep);
  ApplyLanguage();
  NetOpt().SerializeLegacy(ar, version, keep);
}

std::wstring GetDocDirectory(const DocServices& doc) { return FolderOf(doc.DocPathName()); }

void DocNewGraphic(int address, DocServices& doc, std::time_t from, std::time_t to, bool follow,
                   bool print) {
  doc.NewGraphic(address, from, to, follow, print);
}

bool DocPrintGraphic(int address, DocServices& doc, std::time_t from, std::time_t to) {
  return doc.PrintGraphic(address, from, to);
}

}  // namespace PardeloStravon
