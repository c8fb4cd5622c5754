#pragma once
// A node's piece of the legacy document, by document version: a status list
// (label and shown flag of the readable parameters) and an option block of
// sixteen fields. Versions 23 and 24 carry nothing of a node.
#include "network/nodes/LegacyFormat.h"
#include "network/nodes/Node.h"
#include "platform/LegacyArchive.h"

namespace PardeloStravon {

// Writes the piece of that version when the archive stores (22 and 25; other
// versions show the message and write nothing), reads it otherwise. With
// apply false what is read is dropped. A status list that does not fit the
// node's instrument type shows the message and throws LegacyFormatError: the
// rest of the file can no longer be read in step.
void SerializeNodeLegacy(Node& node, Platform::LegacyArchive& ar, int version, bool apply,
                         const LegacyMessageBox& messageBox);

}  // namespace PardeloStravon
