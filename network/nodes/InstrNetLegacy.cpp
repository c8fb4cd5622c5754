// The network's layer of the legacy document: which nodes sit at which
// address, then each node's own piece.
#include <vector>

#include "foundation/core/FrameworkAdapters.h"
#include "foundation/catalogue/InstrTable.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/NodeLegacy.h"

namespace PardeloStravon {

namespace {

struct StoredEntry {
  int address;
  std::wstring code;
};

void StoreNetLegacy(InstrNet& net, LegacyArchive& ar, int version,
                    const LegacyMessageBox& messageBox) {
  CopyAdvancedOptionsAll(net);
  if (version < 22 || version > LegacyDocVersion) {
    messageBox(InvalidQziFormatText);
    return;
  }
  if (version == 22 || version == 25) {
    ar << static_cast<std::int32_t>(net.Size());
    for (InstrNet::Handle h = net.Begin(); h != net.End(); h = net.Next(h)) {
      ar << static_cast<std::int32_t>(h->first);
      const std::wstring code = h->second.Type().Code();
      // Version 22 stored the code as a framework string, 25 as wide text;
      // both come out the same in this archive.
      if (version == 22) {
        ar << ToCString(code);
        SerializeNodeLegacy(h->second, ar, version, true, messageBox);
      } else {
        ar << code;
      }
    }
    if (version == 22) return;
  }
  for (InstrNet::Handle h = net.Begin(); h != net.End(); h = net.Next(h))
    SerializeNodeLegacy(h->second, ar, version, true, messageBox);
}

StoredEntry ReadEntry(LegacyArchive& ar) {
  std::int32_t address = 0;
  ar >> address;
  std::wstring code;
  ar >> code;
  return {address, code};
}

// With apply the node is inserted before its piece is read into it; without,
// a node of that type takes the piece and is dropped, so the archive stays in
// step either way.
void ReadNodePiece(InstrNet& net, LegacyArchive& ar, const StoredEntry& e, int version, bool apply,
                   const LegacyMessageBox& messageBox) {
  if (apply) {
    SerializeNodeLegacy(net.GetPresent(e.address), ar, version, true, messageBox);
  } else {
    Node scratch(e.code);
    SerializeNodeLegacy(scratch, ar, version, false, messageBox);
  }
}

void LoadNetLegacy(InstrNet& net, LegacyArchive& ar, int version, bool apply,
                   const LegacyMessageBox& messageBox) {
  if (version > LegacyDocVersion) version = LegacyDocVersion;
  if (version < 22) {
    messageBox(InvalidQziFormatText);
    return;
  }
  if (version == 23 || version == 24) {
    for (InstrNet::Handle h = net.Begin(); h != net.End(); h = net.Next(h))
      SerializeNodeLegacy(h->second, ar, version, apply, messageBox);
    return;
  }
  std::int32_t count = 0;
  ar >> count;
  std::vector<StoredEntry> entries;
  for (std::int32_t i = 0; i < count; ++i) {
    const StoredEntry e = ReadEntry(ar);
    if (apply) net.InsertNew(e.address, Node(e.code));
    if (version == 22)
      ReadNodePiece(net, ar, e, version, apply, messageBox);
    else
      entries.push_back(e);
  }
  // Version 25 stores the pieces after all the pairs, in the same order.
  for (const StoredEntry& e : entries) ReadNodePiece(net, ar, e, version, apply, messageBox);
}

}  // namespace

void InstrNet::SerializeLegacy(LegacyArchive& ar, int version, bool apply,
                               const LegacyMessageBox& messageBox) {
  if (ar.IsStoring())
    StoreNetLegacy(*this, ar, version, messageBox);
  else
    LoadNetLegacy(*this, ar, version, apply, messageBox);
}

}  // namespace PardeloStravon
