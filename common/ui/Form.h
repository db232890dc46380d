// A window's core model as the front ends see it: named controls, events, field texts.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lavix::ui {

enum class EventResult {
  Done,            // the event ran
  UnknownControl,  // no control of that name on this window
  UnknownItem,     // the control has no such entry
  Disabled,        // the control exists but cannot be used now
};

// One menu item or button: the system's control name, its caption and what it does.
struct Command {
  std::string name;
  std::string caption;
  std::function<void(const std::string& item)> run;   // item: "" or the entry picked
  std::function<bool()> enabled;                      // empty: always enabled
};

// The one table through which menus, the batch runner and the tests reach commands.
class CommandTable {
 public:
  void add(Command command);
  const Command* find(const std::string& name) const;
  const std::vector<Command>& all() const { return commands_; }
  EventResult run(const std::string& name, const std::string& item) const;
  bool isEnabled(const std::string& name) const;

  // What the command does, for the tooltips of its menu item and button alike; "" if unsaid.
  void setTip(const std::string& name, std::string tip) { tips_[name] = std::move(tip); }
  std::string tip(const std::string& name) const;
  // The standard key sequence of a common command ("Ctrl+O"); "" for none.
  void setShortcut(const std::string& name, std::string keys) { shortcuts_[name] = std::move(keys); }
  std::string shortcut(const std::string& name) const;

 private:
  std::vector<Command> commands_;
  std::map<std::string, std::string> tips_;
  std::map<std::string, std::string> shortcuts_;
};

class FormModel {
 public:
  virtual ~FormModel() = default;

  virtual std::string formName() const = 0;
  // False once the window has closed itself (OK, Cancel, Done ...).
  virtual bool isOpen() const { return true; }

  virtual EventResult click(const std::string& control, const std::string& item) = 0;
  virtual EventResult type(const std::string& control, int index, const std::string& text) {
    (void)control, (void)index, (void)text;
    return EventResult::UnknownControl;
  }
  virtual EventResult enter(const std::string& control, int index) {
    (void)control, (void)index;
    return EventResult::UnknownControl;
  }
  virtual EventResult key(const std::string& control, int index, const std::string& keyName) {
    (void)control, (void)index, (void)keyName;
    return EventResult::UnknownControl;
  }
  // What ITEM a control takes, named in the message about an item it cannot use; "" when
  // the control says nothing more.
  virtual std::string itemForm(const std::string& control) const {
    (void)control;
    return {};
  }
  // `control text` pairs of the window's controls; arrays as "name(index)".
  virtual std::vector<std::pair<std::string, std::string>> fields() const { return {}; }
};

// "#3" names the third entry of a list or array whatever its own first index: 3 here.
std::optional<int> itemPosition(const std::string& item);

// Finds an entry by caption (compared without a leading mark "*" and surrounding blanks),
// then by the name of a caption padded with two or more blanks before its description
// ("TAS" for "TAS                 Total alkali-silica ..."), or by position "#n"; returns the
// 1-based position or 0.
int findItem(const std::vector<std::string>& captions, const std::string& item);

}  // namespace lavix::ui
