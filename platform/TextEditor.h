#pragma once
// Which program opens a text file for editing on this desktop. Texts are
// UTF-8.
#include <string>
#include <vector>

namespace Platform {

// What the choice depends on: the program search path and the user's
// editor variables.
struct EditorEnvironment {
  std::string path;    // $PATH
  std::string visual;  // $VISUAL
  std::string editor;  // $EDITOR
};

EditorEnvironment CurrentEditorEnvironment();

// The command line, without the file, that opens a text file: the desktop's
// opener (xdg-open); without one, $VISUAL or else $EDITOR (else "editor",
// else "vi") in a terminal (x-terminal-emulator -e). The editor variable is
// split at blanks into program and arguments, as shells do for it; it is
// never run through a shell. Programs are given by full path. Empty when
// nothing on this machine can open the file.
std::vector<std::string> TextEditorCommand(const EditorEnvironment& env);

// The full path of an executable program found on the search path (or the
// name itself when it holds a '/' and is executable); empty when none is.
std::string FindProgram(const std::string& name, const std::string& searchPath);

}  // namespace Platform
