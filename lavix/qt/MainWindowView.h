// The Qt view of lavix's main window: mirrors app::MainWindow and forwards every event to it.
#pragma once

#include <QImage>
#include <QMainWindow>

#include <string>
#include <utility>
#include <vector>

namespace lavix::app {
class MainWindow;
}
namespace lavix::qtui {
class QtPrompts;
}

class QAction;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QScreen;

namespace lavix::qt {

class PictureWidget;

// Menu bar from menus() (menus named after their headers, actions after their commands), the
// button row, the picture box `lxpic` and the status label `labStatus`. Every action runs the
// command through the model and then refreshes captions, enabled, checked and visible states,
// the title and the status text. The view closes itself once the model asks to exit.
class MainWindowView : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindowView(app::MainWindow& model, QWidget* parent = nullptr);
  ~MainWindowView() override;

  // Lets the prompts open their dialogs over this window and show titles and status at once.
  void connectPrompts(qtui::QtPrompts& prompts);
  // Sizes the window from the screen and the window scale of the preferences.
  void applyScreenSize(const QScreen* screen, float windowScale);

  // Mirrors the model's current state.
  void refresh();
  // Runs a command through the model as its menu item or button would.
  void runCommand(const std::string& command, const std::string& item = "");

  PictureWidget* picture() const { return picture_; }
  QLabel* statusLabel() const { return status_; }
  QWidget* buttonRow() const { return buttonRow_; }
  // The first action or button of a command; null when the view has none.
  QAction* action(const std::string& command) const;
  QPushButton* button(const std::string& command) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // A data file dragged onto the window is opened as Open would.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildMenus();
  QAction* addCommandAction(const std::string& command, QWidget* owner);
  void rebuildButtons(const std::vector<std::string>& commands);

  app::MainWindow& model_;
  std::vector<std::pair<std::string, QAction*>> actions_;
  std::vector<std::pair<std::string, QPushButton*>> buttons_;
  std::vector<std::string> buttonCommands_;
  QWidget* buttonRow_ = nullptr;
  QHBoxLayout* buttonLayout_ = nullptr;
  PictureWidget* picture_ = nullptr;
  QLabel* status_ = nullptr;
  bool closing_ = false;
};

// The window drawn into an image of `size` without showing it on a screen (--screenshot).
QImage renderOffscreen(MainWindowView& view, QSize size = QSize(1024, 700));

}  // namespace lavix::qt
