#include "platform/TextEditor.h"

#include <unistd.h>

#include <cstdlib>
#include <sstream>

namespace Platform {
namespace {

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

bool IsExecutableFile(const std::string& path) {
  return access(path.c_str(), X_OK) == 0;
}

}  // namespace

EditorEnvironment CurrentEditorEnvironment() {
  return EditorEnvironment{Env("PATH"), Env("VISUAL"), Env("EDITOR")};
}

std::string FindProgram(const std::string& name, const std::string& searchPath) {
  if (name.empty()) return "";
  if (name.find('/') != std::string::npos) return IsExecutableFile(name) ? name : "";
  std::istringstream dirs(searchPath);
  for (std::string dir; std::getline(dirs, dir, ':');) {
    if (dir.empty()) continue;
    const std::string candidate = dir + "/" + name;
    if (IsExecutableFile(candidate)) return candidate;
  }
  return "";
}

std::vector<std::string> TextEditorCommand(const EditorEnvironment& env) {
  const std::string opener = FindProgram("xdg-open", env.path);
  if (!opener.empty()) return {opener};

  const std::string terminal = FindProgram("x-terminal-emulator", env.path);
  if (terminal.empty()) return {};
  std::vector<std::string> editor = Words(!env.visual.empty() ? env.visual : env.editor);
  if (editor.empty()) {
    for (const char* fallback : {"editor", "vi"}) {
      if (!FindProgram(fallback, env.path).empty()) {
        editor = {fallback};
        break;
      }
    }
  }
  if (editor.empty()) return {};
  const std::string program = FindProgram(editor[0], env.path);
  if (program.empty()) return {};
  editor[0] = program;

  std::vector<std::string> command{terminal, "-e"};
  command.insert(command.end(), editor.begin(), editor.end());
  return command;
}

}  // namespace Platform
