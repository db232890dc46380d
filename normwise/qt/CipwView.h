// The Qt view of the normwise main form: mirrors the cipw model and forwards every event to it.
#pragma once

#include <QMainWindow>

#include <map>
#include <string>
#include <utility>

#include "normwise/CipwForm.h"

class QAction;
class QCheckBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace lavix::normwise::qt {

class CipwView : public QMainWindow {
  Q_OBJECT
 public:
  explicit CipwView(CipwForm& form, QWidget* parent = nullptr);

  // Copies every control's state from the model.
  void refresh();

  QLineEdit* box(const std::string& control, int index = 0) const;
  QPushButton* button(const std::string& control) const;
  QAction* action(const std::string& control) const;
  QMenu* sampleMenu() const { return sampleMenu_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void run(const std::string& control, const std::string& item = {});
  QLineEdit* addBox(const std::string& control, int index, bool readOnly);
  QWidget* buildInputs();
  QWidget* buildOutputs();
  QWidget* buildControls();

  CipwForm& form_;
  std::map<std::pair<std::string, int>, QLineEdit*> boxes_;
  std::map<std::string, QPushButton*> buttons_;
  std::map<std::string, QAction*> actions_;
  QRadioButton* option1_ = nullptr;
  QRadioButton* option2_ = nullptr;
  QCheckBox* checks_[4] = {};
  QCheckBox* checkFe_ = nullptr;
  QMenu* sampleMenu_ = nullptr;
};

}  // namespace lavix::normwise::qt
