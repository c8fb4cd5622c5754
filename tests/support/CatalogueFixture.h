#pragma once
// Table folders for the catalogue's tests: the shipped tables beside the
// test program, copies of them to break, and small hand-made tables.
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"

namespace TestSupport {

// The folder that holds the shipped "XML" folder.
std::wstring ShippedFolder();

// Loads the dictionary and every shipped table; the test fails when they
// do not load.
void LoadShippedCatalogue();

// The temporary folder's "XML" folder, created when missing.
std::filesystem::path XmlDir(const TempDir& dir);

// Copies every shipped table and schema into the temporary folder.
void CopyShippedTables(const TempDir& dir);

// Replaces the first occurrence of a text in a table file of the folder;
// throws when the text is not there, so a fixture cannot silently miss.
void ReplaceInTable(const TempDir& dir, const std::string& file, const std::string& from,
                    const std::string& to);

// Removes the record that begins with the text, up to and including the
// first end tag after it; throws when the text is not there.
void RemoveRecord(const TempDir& dir, const std::string& file, const std::string& start,
                  const std::string& endTag);

// Writes a table file that names no schema: only its well-formedness is
// checked, so the readers see whatever the body holds.
void WriteTable(const TempDir& dir, const std::string& file, const std::string& body);

// A dictionary of the given tokens in English and Italian, each text being
// the language identifier, a blank and the token; loaded at once.
void LoadTestDictionary(const TempDir& dir, const std::vector<std::string>& tokens);

}  // namespace TestSupport
