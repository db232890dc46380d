// The Qt view of the variable calculator `varform`: mirrors calc::VariableCalculator.
#pragma once

#include <QDialog>
#include <QString>

#include <string>
#include <vector>

namespace lavix::calc {
class VariableCalculator;
}

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace lavix::qt {

// The button panel `varbut(i)` (i from 1): variables in a scrolling grid, so that 150 and more
// columns stay reachable, the ten operations in a fixed grid below; the prompt line
// `inputlab`, the formula box `Formula` (Enter evaluates) and `cancel`. Every event goes to
// the model; the view then mirrors it and closes once the model has closed.
class VarformView : public QDialog {
  Q_OBJECT
 public:
  explicit VarformView(calc::VariableCalculator& model, QWidget* parent = nullptr);

  void refresh();
  // 1-based, as the model's panel positions.
  QPushButton* button(int position) const;
  // The rich-text caption shown on a button.
  QLabel* buttonLabel(int position) const;
  QScrollArea* variablePanel() const { return scroll_; }
  QLabel* promptLine() const { return prompt_; }
  QLineEdit* formulaBox() const { return formula_; }

  // Escape and the title bar's close act as Cancel.
  void reject() override;

 private:
  void clickButton(int position);
  void afterEvent();

  calc::VariableCalculator& model_;
  std::vector<QPushButton*> buttons_;
  std::vector<QLabel*> labels_;
  QScrollArea* scroll_ = nullptr;
  QLabel* prompt_ = nullptr;
  QLineEdit* formula_ = nullptr;
};

}  // namespace lavix::qt
