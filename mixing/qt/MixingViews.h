// The Qt views of mixing's windows: `Main` and `outpt`, thin mirrors of their core models.
#pragma once

#include <QMainWindow>
#include <QWidget>

#include <map>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace lavix::qtui {
class QtPrompts;
}

namespace lavix::mixing {
class MainWindow;
class OutputWindow;
}  // namespace lavix::mixing

namespace lavix::mixing::qt {

// `outpt`: the report in a fixed-pitch text box and the buttons Printr, txtfile, corr, quit.
class OutputView : public QWidget {
  Q_OBJECT
 public:
  explicit OutputView(OutputWindow& model, QWidget* parent = nullptr);
  void refresh();
  QPlainTextEdit* textBox() const { return text_; }
  QPushButton* button(const std::string& control) const;

 protected:
  // The title bar's close button is the window's `quit`.
  void closeEvent(QCloseEvent* event) override;

 private:
  OutputWindow& model_;
  QPlainTextEdit* text_ = nullptr;
  std::map<std::string, QPushButton*> buttons_;
};

// `Main`: the menus of every command, the file and matrix labels and the status line. After
// each command it mirrors the model: labels, the output window, closing on quit.
class MainView : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainView(MainWindow& model, QWidget* parent = nullptr);
  ~MainView() override;

  void connectPrompts(qtui::QtPrompts& prompts);
  void runCommand(const std::string& control);
  void refresh();
  OutputView* outputView() const { return output_; }
  QLabel* label(const std::string& field) const;

 private:
  MainWindow& model_;
  OutputView* output_ = nullptr;
  std::map<std::string, QLabel*> labels_;
};

}  // namespace lavix::mixing::qt
