// The Qt view of the spider model window `spimod`: mirrors app::SpiderModelForm.
#pragma once

#include <QDialog>

#include <functional>
#include <map>
#include <string>

namespace lavix::app {
class SpiderModelForm;
}
namespace lavix::qtui {
class QtPrompts;
}

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lavix::qt {

// The labels, boxes and buttons of the window under their control names; the model decides
// what is shown. Every event goes to the model; the view then mirrors it and closes once the
// model has closed.
class SpimodView : public QDialog {
  Q_OBJECT
 public:
  explicit SpimodView(app::SpiderModelForm& model, QWidget* parent = nullptr);

  void refresh();
  QPushButton* button(const std::string& control) const;
  QLabel* label(const std::string& control) const;
  QLineEdit* box(const std::string& control) const;
  QRadioButton* option(int index) const;  // Option1(0) "Normal", Option1(1) "Inverse"

  // Escape and the title bar's close act as Plot/Quit.
  void reject() override;

 private:
  void run(const std::function<void()>& event);

  app::SpiderModelForm& model_;
  std::map<std::string, QPushButton*> buttons_;
  std::map<std::string, QLabel*> labels_;
  std::map<std::string, QLineEdit*> boxes_;
  std::map<std::string, QLabel*> boxCaptions_;
  QRadioButton* options_[2] = {nullptr, nullptr};
};

// Lets runModal show `spimod` with this view.
void registerSpimodView(qtui::QtPrompts& prompts);

}  // namespace lavix::qt
