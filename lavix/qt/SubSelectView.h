// The Qt view of the selection window `SubSelect`: mirrors data::SubSelect.
#pragma once

#include <QDialog>

#include <functional>

namespace lavix::data {
class SubSelect;
}
namespace lavix::qtui {
class QtPrompts;
}

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace lavix::qt {

// The variables `List1`, their values `List2`, the LIMITS `List3`, MATCH `List4` and EXCLUDE
// `List5` lists (a double-click removes an entry), the Min= and Max= boxes `Text2`, `Text3`,
// the options `optMatch`/`optExclude` with the hint under them, the "active" switch and one
// button per command. Every event goes to the model; the view then mirrors it and closes once
// the model has closed (Done).
class SubSelectView : public QDialog {
  Q_OBJECT
 public:
  explicit SubSelectView(data::SubSelect& model, QWidget* parent = nullptr);

  void refresh();
  // 1 .. 5 as the model numbers them; null for any other number.
  QListWidget* list(int number) const;
  QLineEdit* minBox() const { return min_; }
  QLineEdit* maxBox() const { return max_; }
  QLabel* hintLabel() const { return hint_; }
  QRadioButton* matchOption() const { return match_; }
  QRadioButton* excludeOption() const { return exclude_; }
  QCheckBox* activeBox() const { return active_; }
  QLabel* countLabel() const { return count_; }
  QPushButton* commandButton(const QString& name) const;

  // Escape and the title bar's close leave the criteria as they were.
  void reject() override;

 private:
  void run(const std::function<void()>& event);

  data::SubSelect& model_;
  QListWidget* lists_[5] = {};
  QLineEdit* min_ = nullptr;
  QLineEdit* max_ = nullptr;
  QLabel* hint_ = nullptr;
  QRadioButton* match_ = nullptr;
  QRadioButton* exclude_ = nullptr;
  QCheckBox* active_ = nullptr;
  QLabel* count_ = nullptr;
};

// Lets runModal show `SubSelect` with this view.
void registerSubSelectView(qtui::QtPrompts& prompts);

}  // namespace lavix::qt
