// The Qt view of the preferences window `pref`: mirrors app::PreferencesForm.
#pragma once

#include <QDialog>

#include <map>
#include <string>

namespace lavix::app {
class PreferencesForm;
}
namespace lavix::qtui {
class QtPrompts;
}

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lavix::qt {

// The option pairs in their frames, the buttons, the WinScale box and the labels of the data
// folder, symbol file, normalisation file and font. Every event goes to the model; the view
// then mirrors it and closes once the model has closed (Save new preferences, Exit).
class PrefView : public QDialog {
  Q_OBJECT
 public:
  explicit PrefView(app::PreferencesForm& model, QWidget* parent = nullptr);

  void refresh();
  QRadioButton* option(const std::string& control) const;
  QPushButton* button(const std::string& control) const;
  QLineEdit* winscaleBox() const { return winscale_; }
  QLabel* label(const std::string& name) const;

  // Escape and the title bar are Exit: nothing is written.
  void reject() override;

 private:
  void run(const std::string& control);

  app::PreferencesForm& model_;
  std::map<std::string, QRadioButton*> options_;
  std::map<std::string, QPushButton*> buttons_;
  std::map<std::string, QLabel*> labels_;
  QLineEdit* winscale_ = nullptr;
};

// Lets runModal show `pref` with this view.
void registerPrefView(qtui::QtPrompts& prompts);

}  // namespace lavix::qt
