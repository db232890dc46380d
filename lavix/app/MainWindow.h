// The main window of lavix as a core model: menus, commands, title, status line.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/graphics/Recording.h"
#include "common/ui/Form.h"

namespace lavix::app {

class Session;

struct MenuEntry {
  std::string command;  // control name in the command table; empty for a separator
};

struct Menu {
  std::string name;     // control name of the menu header ("mfile", "mplot" ...)
  std::string caption;  // "&File"
  std::vector<MenuEntry> entries;
};

class MainWindow : public ui::FormModel {
 public:
  explicit MainWindow(Session& session);

  std::string formName() const override { return "lavix"; }
  ui::EventResult click(const std::string& control, const std::string& item) override;
  std::vector<std::pair<std::string, std::string>> fields() const override;
  std::string itemForm(const std::string& control) const override;

  // What the views show.
  const std::vector<Menu>& menus() const { return menus_; }
  const ui::CommandTable& commands() const { return commands_; }
  std::string caption(const std::string& command) const;  // current caption (recent files change)
  bool isEnabled(const std::string& command) const { return commands_.isEnabled(command); }
  bool isChecked(const std::string& command) const;
  bool isVisible(const std::string& command) const;
  std::string title() const;
  std::string statusText() const;
  bool buttonRowVisible() const;
  std::vector<std::string> buttonCommands() const;  // the button row, left to right
  // The diagram as last recorded for the screen; empty before the first diagram.
  const graphics::Recording& picture() const;
  // Identify's highlight, drawn over the picture.
  const graphics::Recording& highlight() const;

  // Called after every event so that views can refresh what they show.
  void setChangeListener(std::function<void()> listener) { changed_ = std::move(listener); }
  // True once Exit was chosen; the front end then closes the window (which shuts down).
  bool exitRequested() const { return exitRequested_; }

  // The commands, by their control names.
  void mOpen();
  void mLastFile(int entry);  // 1..5
  void mReset();
  void mExit();
  void maddpara();

  // `lavix FILE`: FILE is opened at start as Open would.
  void openAtStart(const std::string& path);
  // A data file dropped on the window is opened as Open would.
  void openDropped(const std::string& path);

 private:
  void buildCommands();
  void clickAt(const std::string& item);
  void buildMenus();
  void notify();

  Session& session_;
  ui::CommandTable commands_;
  std::vector<Menu> menus_;
  std::function<void()> changed_;
  bool exitRequested_ = false;
};

}  // namespace lavix::app
