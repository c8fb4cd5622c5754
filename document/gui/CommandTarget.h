#pragma once
// One stop on the road of a command: a table of command entries and a table
// of update entries, both keyed by the system's command identifier.
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace PardeloStravon {

// What an update entry may say about one menu item or toolbar button.
class CmdUI {
 public:
  explicit CmdUI(int id) : id_(id) {}
  int Id() const { return id_; }
  void Enable(bool on) { enabled_ = on; }
  void SetCheck(bool on) { checked_ = on; }
  void SetText(const std::wstring& text) { text_ = text; }

  const std::optional<bool>& Enabled() const { return enabled_; }
  const std::optional<bool>& Checked() const { return checked_; }
  const std::optional<std::wstring>& Text() const { return text_; }

 private:
  int id_;
  std::optional<bool> enabled_;
  std::optional<bool> checked_;
  std::optional<std::wstring> text_;
};

class CommandTarget {
 public:
  using Command = std::function<void()>;
  using Update = std::function<void(CmdUI&)>;

  void OnCommand(int id, Command command) { commands_[id] = std::move(command); }
  void OnUpdate(int id, Update update) { updates_[id] = std::move(update); }
  void RemoveCommand(int id) { commands_.erase(id); }

  bool HasCommand(int id) const { return commands_.count(id) != 0; }
  bool HasUpdate(int id) const { return updates_.count(id) != 0; }
  // Whether an entry ran.
  bool RunCommand(int id) const;
  bool RunUpdate(CmdUI& ui) const;

 private:
  std::map<int, Command> commands_;
  std::map<int, Update> updates_;
};

}  // namespace PardeloStravon
